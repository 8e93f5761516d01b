// The real file dialogs, answered by a timer the way a user would answer
// them: what they are pre-filled with, and what they accept.

#include "FileDialogs.h"
#include "support/Scratch.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>

class FileDialogsTest : public QObject {
    Q_OBJECT

private:
    // What a timer saw of the dialog before answering it.
    struct Seen {
        QString directory;
        QString typedName;
        QString title;
        int confirmations = 0;  // message boxes that popped up on top of it
    };

    // Runs dialog.Execute() while a timer answers the modal dialog with
    // answer. A message box raised on top of it (a confirmation, a warning)
    // is counted and ends the dialog as cancelled, so a test never hangs.
    static bool ExecuteAnswering(ebo::TFileDialog& dialog, const std::function<void(QFileDialog*)>& answer, Seen* seen)
    {
        QTimer timer;
        QPointer<QFileDialog> answered;
        connect(&timer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ++seen->confirmations;
                box->reject();
                if (answered)
                    answered->reject();
            } else if (auto* fileDialog = qobject_cast<QFileDialog*>(modal); fileDialog && !answered) {
                answered = fileDialog;
                seen->directory = fileDialog->directory().absolutePath();
                seen->title = fileDialog->windowTitle();
                if (auto* edit = fileDialog->findChild<QLineEdit*>("fileNameEdit"))
                    seen->typedName = edit->text();
                // Answered from a slot of its own: a box that the answer raises runs a
                // nested event loop, in which this timer must still fire.
                QTimer::singleShot(0, fileDialog, [answer, fileDialog] { answer(fileDialog); });
            }
        });
        timer.start(20);
        return dialog.Execute();
    }

private slots:
    void openDialogAcceptsAMissingFile()
    {
        ebo::test::ScratchDirectory dir;
        ebo::TOpenDialog dialog(nullptr);
        dialog.FileName = QString::fromStdString(dir / "existing.txt");
        Seen seen;

        const bool confirmed = ExecuteAnswering(
            dialog,
            [](QFileDialog* d) {
                d->findChild<QLineEdit*>("fileNameEdit")->setText("missing.txt");  // typed
                static_cast<QDialog*>(d)->accept();  // as the OK button does
            },
            &seen);

        QCOMPARE(seen.confirmations, 0);
        QVERIFY(confirmed);
        QCOMPARE(dialog.FileName, QString::fromStdString(dir / "missing.txt"));
        QCOMPARE(seen.directory, QString::fromStdString(dir.Path()));
        QCOMPARE(seen.typedName, QStringLiteral("existing.txt"));
        QVERIFY(!seen.title.isEmpty());
    }

    void saveDialogReplacesWithoutAsking()
    {
        ebo::test::ScratchDirectory dir;
        ebo::test::WriteBytes(dir / "old", {1});
        ebo::TSaveDialog dialog(nullptr);
        dialog.FileName = QString::fromStdString(dir / "old");
        Seen seen;

        const bool confirmed = ExecuteAnswering(
            dialog, [](QFileDialog* d) { static_cast<QDialog*>(d)->accept(); }, &seen);

        QCOMPARE(seen.confirmations, 0);
        QVERIFY(confirmed);
        QCOMPARE(dialog.FileName, QString::fromStdString(dir / "old"));
    }

    void cancelKeepsTheNameAndEmptyStartsInTheCurrentDirectory()
    {
        ebo::TSaveDialog dialog(nullptr);
        Seen seen;

        const bool confirmed = ExecuteAnswering(
            dialog, [](QFileDialog* d) { d->reject(); }, &seen);

        QVERIFY(!confirmed);
        QCOMPARE(dialog.FileName, QString());
        QCOMPARE(seen.directory, QDir::currentPath());
        QCOMPARE(seen.typedName, QString());
    }
};

QTEST_MAIN(FileDialogsTest)
#include "FileDialogsTest.moc"
