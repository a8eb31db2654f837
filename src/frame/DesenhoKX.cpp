#include "frame/DesenhoKX.h"

#include <QPainter>

void DesenhoKX::GradienteVertical(QPainter& p, int x1, int y1, int x2, int y2, const QColor& de,
                                  const QColor& para)
{
    const int altura = y2 - y1;
    if (altura <= 0 || x2 <= x1)
        return;
    for (int i = 0; i < 256; ++i) {
        const int topo = y1 + altura * i / 256;
        const int base = y1 + altura * (i + 1) / 256;
        if (base <= topo)
            continue;
        const QColor c(de.red() + (para.red() - de.red()) * i / 255,
                       de.green() + (para.green() - de.green()) * i / 255,
                       de.blue() + (para.blue() - de.blue()) * i / 255);
        p.fillRect(QRect(x1, topo, x2 - x1, base - topo), c);
    }
}

void DesenhoKX::Preencher(QPainter& p, int x1, int y1, int x2, int y2, const QColor& cor)
{
    if (x2 > x1 && y2 > y1)
        p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), cor);
}

void DesenhoKX::Retangulo(QPainter& p, int x1, int y1, int x2, int y2, const QColor& caneta,
                          const QColor& pincel)
{
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    if (pincel.isValid())
        Preencher(p, x1 + 1, y1 + 1, x2 - 1, y2 - 1, pincel);
    p.setPen(QPen(caneta, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}
