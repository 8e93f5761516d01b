#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace ebo {

// The font of every window: "ＭＳ Ｐゴシック" at a 12-pixel height. Linux has
// no such font; the name is mapped to an installed Japanese Gothic.
QFont FormFont();

// Gives a window the program's font and its icon.
void ApplyFormLook(QWidget* window, const QString& iconResource);

}  // namespace ebo
