#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

// The launcher's own artwork, drawn in code: the product logo of the main window
// and the tray icon.
namespace LogoKorvane {

// A Windows TColor (0x00BBGGRR) as a Qt colour.
QColor corDeTColor(quint32 tcolor);

// The logo (mark and "KORVANE" lettering, in white) on a transparent background.
QPixmap logo(const QSize& tamanho);

// The program's icon: the mark on the panel colour, in several sizes.
QIcon icone();

} // namespace LogoKorvane
