#include "FileDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace ebo {
namespace {
ScriptedFileDialogs* activeScript = nullptr;
}

bool TFileDialog::Execute()
{
    if (!activeScript)
        return ExecuteOnScreen();
    const ScriptedFileDialogs::Answer answer = activeScript->Take(mode_, FileName);
    if (answer.kind == ScriptedFileDialogs::Answer::AcceptName)
        FileName = answer.fileName;
    return answer.kind != ScriptedFileDialogs::Answer::Cancel;
}

bool TFileDialog::ExecuteOnScreen()
{
    // Qt's own dialog everywhere: the same behaviour on every desktop, where
    // a native one might refuse a missing file or ask before overwriting.
    QFileDialog dialog(owner_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode_);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (FileName.isEmpty()) {
        dialog.setDirectory(QDir::currentPath());
    } else {
        const QFileInfo name(FileName);
        dialog.setDirectory(name.absolutePath());
        dialog.selectFile(name.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}

ScriptedFileDialogs::ScriptedFileDialogs()
{
    Q_ASSERT_X(!activeScript, "ScriptedFileDialogs", "only one script at a time");
    activeScript = this;
}

ScriptedFileDialogs::~ScriptedFileDialogs() { activeScript = nullptr; }

ScriptedFileDialogs::Answer ScriptedFileDialogs::Take(QFileDialog::AcceptMode mode, const QString& prefilledName)
{
    shown_.push_back({mode, prefilledName});
    if (answers_.empty())
        return {Answer::Cancel, {}};
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace ebo
