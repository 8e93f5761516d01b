#pragma once

#include <QFont>
#include <QPoint>
#include <QString>

class QWidget;

namespace ebo {

// The application's icon, shared by the main window; the help window has its own.
inline constexpr const char* MainIconResource = ":/icons/MAINICON.xpm";
inline constexpr const char* HelpIconResource = ":/icons/HELPICON.xpm";

// The font of every window: "ＭＳ Ｐゴシック" at a 12-pixel height. Linux has
// no such font; the name is mapped to an installed Japanese Gothic.
QFont FormFont();

// Gives a window the program's font, its icon, and its designed place. The
// size from its layout becomes the outer size, frame included, once the
// window manager has framed it; with no frame it stays the inside size.
void ApplyFormLook(QWidget* window, const QString& iconResource, const QPoint& position);

}  // namespace ebo
