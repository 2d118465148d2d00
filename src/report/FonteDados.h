#pragma once

// The rows a detail grid prints, one cell per row. The report positions the source on a row and then
// calls the grid's before-print handler, which reads the current row from the source it knows.
class TFonteDados {
public:
    virtual ~TFonteDados() = default;

    virtual int QdeLinhas() const = 0;
    // Makes Linha (0 .. QdeLinhas() - 1) the current row.
    virtual void PosicionaLinha(int Linha) = 0;
};
