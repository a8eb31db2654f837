#pragma once

#include <QByteArray>
#include <QString>

// The suite's artwork, drawn by this program itself: the header images and
// tiles (JPEG, named "I1", "I2", "I3", "I4", "I5", "I6", "I101", "I102") and the
// application icons (icon-file format, "KORVANE", "QUINDO", "TREVAN").
namespace ArteKX {

// The raw bytes of a named resource; an unknown name raises EKorvane.
QByteArray Recurso(const QString& nome);

} // namespace ArteKX
