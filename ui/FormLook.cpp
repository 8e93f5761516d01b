#include "FormLook.h"

#include <QIcon>
#include <QMenu>
#include <QWidget>

namespace ebo {

QFont FormFont()
{
    static const QString family = QStringLiteral("ＭＳ Ｐゴシック");
    static const bool substituted = [] {
        QFont::insertSubstitutions(family, {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
        return true;
    }();
    Q_UNUSED(substituted);

    QFont font(family);
    font.setPixelSize(12);
    return font;
}

void ApplyFormLook(QWidget* window, const QString& iconResource)
{
    const QFont font = FormFont();
    window->setFont(font);
    // Menus are windows of their own and do not inherit the font.
    for (QMenu* menu : window->findChildren<QMenu*>())
        menu->setFont(font);
    window->setWindowIcon(QIcon(iconResource));
}

}  // namespace ebo
