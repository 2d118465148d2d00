#pragma once

#include <QRect>
#include <QString>

class QPainter;

// Anything a report holds, found on the report by its name (unique on the report, compared without
// regard to case). The name is fixed at creation.
class TComponente {
public:
    explicit TComponente(const QString& Name)
        : FName(Name) {}
    virtual ~TComponente() = default;
    TComponente(const TComponente&) = delete;
    TComponente& operator=(const TComponente&) = delete;

    const QString& Name() const { return FName; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

private:
    QString FName;
    int FTag = 0;
};

// A control printed in every cell of the detail grid. Its box is in whole report pixels from the
// top-left corner of the cell's content; a hidden control is not drawn.
class TControle : public TComponente {
public:
    using TComponente::TComponente;

    int Left() const { return FBox.left(); }
    int Top() const { return FBox.top(); }
    int Width() const { return FBox.width(); }
    int Height() const { return FBox.height(); }
    QRect Box() const { return FBox; }
    bool Visible() const { return FVisible; }

    void SetLeft(int Value) { FBox.moveLeft(Value); }
    void SetTop(int Value) { FBox.moveTop(Value); }
    void SetWidth(int Value) { FBox.setWidth(Value); }
    void SetHeight(int Value) { FBox.setHeight(Value); }
    void SetBox(const QRect& Value) { FBox = Value; }
    void SetVisible(bool Value) { FVisible = Value; }

    // Draws the control on a painter whose coordinates are report pixels with the origin at the
    // cell's content corner.
    virtual void Desenha(QPainter& Pintor) const = 0;

private:
    QRect FBox;
    bool FVisible = true;
};
