#pragma once

// The one way the program shows an error: a modal message box with the
// error icon, one OK button, the application's title as caption, and the
// message with "." appended. And the guard every event handler runs in.

#include "Exception.h"

#include <QMessageBox>
#include <QString>

#include <functional>
#include <vector>

namespace ebo {

void ShowException(const Exception& error);

// Runs handler; shows any escaping exception and goes on, shows nothing for
// EAbort. No exception leaves, so none can cross Qt's own frames.
void RunGuarded(const std::function<void()>& handler) noexcept;

// A slot for connect() that runs handler through RunGuarded.
template <typename Handler> auto Guarded(Handler handler)
{
    return [handler] { RunGuarded(handler); };
}

// For tests: while one exists, ShowException records what it would show
// instead of opening a modal box.
class CapturedExceptionDisplay {
public:
    struct Shown {
        QString text;
        QString caption;
        QMessageBox::Icon icon;
    };

    CapturedExceptionDisplay();
    ~CapturedExceptionDisplay();
    CapturedExceptionDisplay(const CapturedExceptionDisplay&) = delete;
    CapturedExceptionDisplay& operator=(const CapturedExceptionDisplay&) = delete;

    const std::vector<Shown>& ShownMessages() const { return shown_; }

private:
    friend void ShowException(const Exception& error);
    std::vector<Shown> shown_;
};

}  // namespace ebo
