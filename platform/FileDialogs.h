#pragma once

// Open-file and save-file dialogs as the windows use them: a remembered
// FileName that pre-fills the dialog, and Execute() that runs it modally.

#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace ebo {

class TFileDialog {
public:
    TFileDialog(const TFileDialog&) = delete;
    TFileDialog& operator=(const TFileDialog&) = delete;

    // Pre-fills the next Execute(); an empty name starts in the current directory.
    QString FileName;

    // True when the user confirmed; FileName then holds the chosen full path.
    // False on cancel, FileName unchanged.
    bool Execute();

protected:
    TFileDialog(QWidget* owner, QFileDialog::AcceptMode mode)
        : owner_(owner)
        , mode_(mode)
    {
    }

private:
    bool ExecuteOnScreen();

    QWidget* owner_;
    QFileDialog::AcceptMode mode_;
};

// Accepts the name of a file that does not exist.
class TOpenDialog : public TFileDialog {
public:
    explicit TOpenDialog(QWidget* owner)
        : TFileDialog(owner, QFileDialog::AcceptOpen)
    {
    }
};

// Does not ask before replacing an existing file.
class TSaveDialog : public TFileDialog {
public:
    explicit TSaveDialog(QWidget* owner)
        : TFileDialog(owner, QFileDialog::AcceptSave)
    {
    }
};

// For tests: while one exists, Execute() shows nothing and takes the next
// queued answer instead, so a test never blocks on a modal dialog.
class ScriptedFileDialogs {
public:
    struct Shown {
        QFileDialog::AcceptMode mode;
        QString prefilledName;
    };

    ScriptedFileDialogs();
    ~ScriptedFileDialogs();
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void QueueAccept(const QString& fileName) { answers_.push_back({Answer::AcceptName, fileName}); }
    void QueueAcceptPrefilled() { answers_.push_back({Answer::AcceptPrefilled, {}}); }
    void QueueCancel() { answers_.push_back({Answer::Cancel, {}}); }

    // Every dialog run so far, in order. A dialog with no queued answer is
    // cancelled and still listed.
    const std::vector<Shown>& ShownDialogs() const { return shown_; }
    std::size_t UnusedAnswers() const { return answers_.size(); }

private:
    struct Answer {
        enum Kind { AcceptName, AcceptPrefilled, Cancel } kind;
        QString fileName;
    };

    friend class TFileDialog;
    Answer Take(QFileDialog::AcceptMode mode, const QString& prefilledName);

    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
};

}  // namespace ebo
