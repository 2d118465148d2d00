#include "report/Imagem.h"

#include <QPainter>

bool TImagem::CarregaArquivo(const QString& Caminho) {
    FPicture = QImage(Caminho);
    return !FPicture.isNull();
}

void TImagem::Desenha(QPainter& Pintor) const {
    if (!FPicture.isNull())
        Pintor.drawImage(QRectF(Box()), FPicture);
}
