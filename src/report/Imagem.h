#pragma once

#include "report/Componente.h"

#include <QImage>

// A picture stretched into its box. The same QImage is drawn on every cell and page, so that a PDF
// holds it once: load it once per report, never per cell.
class TImagem : public TControle {
public:
    using TControle::TControle;

    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& Value) { FPicture = Value; }
    // Loads a picture file (JPEG, PNG, ...); false when it cannot be read, leaving the picture empty.
    bool CarregaArquivo(const QString& Caminho);

    void Desenha(QPainter& Pintor) const override;

private:
    QImage FPicture;
};
