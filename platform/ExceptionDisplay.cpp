#include "ExceptionDisplay.h"

#include <QGuiApplication>

namespace ebo {
namespace {

CapturedExceptionDisplay* activeCapture = nullptr;

constexpr const char* UnexpectedErrorMessage = "予期しないエラーが発生しました: %s";

}  // namespace

void ShowException(const Exception& error)
{
    const QString text = QString::fromStdString(error.Message()) + QLatin1Char('.');
    // The title defaults to the executable's name.
    const QString caption = QGuiApplication::applicationDisplayName();
    if (activeCapture) {
        activeCapture->shown_.push_back({text, caption, QMessageBox::Critical});
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void RunGuarded(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const EAbort&) {
        // silent by design
    } catch (const Exception& error) {
        ShowException(error);
    } catch (const std::exception& error) {
        ShowException(Exception(Format(UnexpectedErrorMessage, error.what())));
    } catch (...) {
        ShowException(Exception(Format(UnexpectedErrorMessage, "?")));
    }
}

CapturedExceptionDisplay::CapturedExceptionDisplay()
{
    Q_ASSERT_X(!activeCapture, "CapturedExceptionDisplay", "only one capture at a time");
    activeCapture = this;
}

CapturedExceptionDisplay::~CapturedExceptionDisplay() { activeCapture = nullptr; }

}  // namespace ebo
