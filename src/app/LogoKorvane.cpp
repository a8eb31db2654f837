#include "app/LogoKorvane.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace LogoKorvane {

namespace {

constexpr quint32 kCorPainel = 12622848;

// The mark: a rounded square with a "K" cut from two strokes.
void desenharMarca(QPainter& p, const QRectF& area, const QColor& fundo, const QColor& traco)
{
    const qreal lado = std::min(area.width(), area.height());
    const QRectF quadrado(area.left(), area.top() + (area.height() - lado) / 2, lado, lado);
    p.setPen(Qt::NoPen);
    p.setBrush(fundo);
    p.drawRoundedRect(quadrado, lado * 0.22, lado * 0.22);

    QPen pena(traco, lado * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pena);
    const qreal x0 = quadrado.left() + lado * 0.32;
    const qreal x1 = quadrado.left() + lado * 0.72;
    const qreal topo = quadrado.top() + lado * 0.24;
    const qreal base = quadrado.top() + lado * 0.76;
    const qreal meio = quadrado.top() + lado * 0.5;
    p.drawLine(QPointF(x0, topo), QPointF(x0, base));
    p.drawLine(QPointF(x1, topo), QPointF(x0 + lado * 0.04, meio));
    p.drawLine(QPointF(x0 + lado * 0.12, meio - lado * 0.05), QPointF(x1, base));
}

} // namespace

QColor corDeTColor(quint32 tcolor)
{
    return QColor(tcolor & 0xFF, (tcolor >> 8) & 0xFF, (tcolor >> 16) & 0xFF);
}

QPixmap logo(const QSize& tamanho)
{
    QPixmap imagem(tamanho);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal altura = tamanho.height();
    desenharMarca(p, QRectF(2, 2, altura - 4, altura - 4), Qt::white, corDeTColor(kCorPainel));

    QFont fonte(QStringLiteral("Arial"));
    fonte.setBold(true);
    fonte.setPixelSize(qRound(altura * 0.46));
    fonte.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(fonte);
    p.setPen(Qt::white);
    const QRectF texto(altura + 4, 0, tamanho.width() - altura - 4, altura);
    p.drawText(texto, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KORVANE"));
    return imagem;
}

QIcon icone()
{
    QIcon resultado;
    for (const int lado : {16, 22, 32, 48, 64, 128}) {
        QPixmap imagem(lado, lado);
        imagem.fill(Qt::transparent);
        QPainter p(&imagem);
        p.setRenderHint(QPainter::Antialiasing);
        desenharMarca(p, QRectF(0, 0, lado, lado), corDeTColor(kCorPainel), Qt::white);
        p.end();
        resultado.addPixmap(imagem);
    }
    return resultado;
}

} // namespace LogoKorvane
