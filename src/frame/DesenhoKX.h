#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Drawing helpers of the frame. Rectangles are given as (x1, y1, x2, y2) with
// the right and bottom edges excluded, as the frame's geometry is stated.
namespace DesenhoKX {

// A vertical gradient of 256 steps, interpolated linearly per channel,
// stretched over the rectangle.
void GradienteVertical(QPainter& p, int x1, int y1, int x2, int y2, const QColor& de,
                       const QColor& para);

void Preencher(QPainter& p, int x1, int y1, int x2, int y2, const QColor& cor);

// Outline with a one-pixel pen and an optional fill inside it.
void Retangulo(QPainter& p, int x1, int y1, int x2, int y2, const QColor& caneta,
               const QColor& pincel = QColor());

} // namespace DesenhoKX
