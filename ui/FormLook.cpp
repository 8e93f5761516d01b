#include "FormLook.h"

#include <QEvent>
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

namespace {

// The frame is known only after the window manager has framed the window,
// so the inside is shrunk by it then, once.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget* window, const QSize& outerSize)
        : QObject(window)
        , window_(window)
        , outerSize_(outerSize)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (watched != window_ || (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize))
            return false;
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        if (frame.width() > 0 || frame.height() > 0) {
            window_->removeEventFilter(this);
            window_->resize(outerSize_ - frame);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    QSize outerSize_;
};

}  // namespace

void ApplyFormLook(QWidget* window, const QString& iconResource, const QPoint& position)
{
    window->move(position);  // for a top-level window, this places the frame
    new OuterSizeKeeper(window, window->size());

    const QFont font = FormFont();
    window->setFont(font);
    // Menus are windows of their own and do not inherit the font.
    for (QMenu* menu : window->findChildren<QMenu*>())
        menu->setFont(font);
    window->setWindowIcon(QIcon(iconResource));
}

}  // namespace ebo
