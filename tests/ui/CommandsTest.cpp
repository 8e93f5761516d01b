// The lock and unlock commands, driven through their buttons with scripted
// file dialogs and a captured exception display, on real files.

#include "ExceptionDisplay.h"
#include "FileDialogs.h"
#include "Unit1.h"
#include "support/Scratch.h"

#include <QGuiApplication>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

using ebo::test::Bytes;
using ebo::test::ReadBytes;
using ebo::test::WriteBytes;

namespace {

Bytes Shifted(Bytes bytes, int delta)
{
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(byte + delta);
    return bytes;
}

QString Q(const std::string& path) { return QString::fromStdString(path); }

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ebo::test::ScratchDirectory> dir_;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<ebo::ScriptedFileDialogs> dialogs_;
    std::unique_ptr<ebo::CapturedExceptionDisplay> display_;

    void Lock() { QTest::mouseClick(form_->Button1, Qt::LeftButton); }
    void Unlock() { QTest::mouseClick(form_->Button2, Qt::LeftButton); }
    std::string Path(const char* name) const { return *dir_ / name; }
    const auto& Shown() const { return dialogs_->ShownDialogs(); }
    const auto& Messages() const { return display_->ShownMessages(); }

private slots:
    void init()
    {
        dir_ = std::make_unique<ebo::test::ScratchDirectory>();
        form_ = std::make_unique<TForm1>();
        dialogs_ = std::make_unique<ebo::ScriptedFileDialogs>();
        display_ = std::make_unique<ebo::CapturedExceptionDisplay>();
    }

    void cleanup()
    {
        QCOMPARE(dialogs_->UnusedAnswers(), std::size_t {0});
        display_.reset();
        dialogs_.reset();
        form_.reset();
        dir_.reset();
    }

    void lockThenUnlockRoundTrips()
    {
        const Bytes original = ebo::test::AllByteValues();
        WriteBytes(Path("plain"), original);

        dialogs_->QueueAccept(Q(Path("plain")));
        dialogs_->QueueAcceptPrefilled();
        Lock();
        QCOMPARE(ReadBytes(Path("plainebo")), Shifted(original, 59));

        dialogs_->QueueAccept(Q(Path("plainebo")));
        dialogs_->QueueAccept(Q(Path("restored")));
        Unlock();
        QCOMPARE(ReadBytes(Path("restored")), original);
        QVERIFY(Messages().empty());
    }

    void windowAndCliWriteTheSameBytes()
    {
        const Bytes original = ebo::test::PatternBytes(300000);
        WriteBytes(Path("doc"), original);
        form_->Edit1->setText("-5");
        dialogs_->QueueAccept(Q(Path("doc")));
        dialogs_->QueueAccept(Q(Path("by-window")));
        Lock();

        QProcess cli;
        cli.start(EBO_CLI_PATH, {"lock", "-k", "-5", "-o", Q(Path("by-cli")), Q(Path("doc"))});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(ReadBytes(Path("by-cli")), ReadBytes(Path("by-window")));

        // Either unlocks what the other locked.
        dialogs_->QueueAccept(Q(Path("by-cli")));
        dialogs_->QueueAccept(Q(Path("restored")));
        Unlock();
        QCOMPARE(ReadBytes(Path("restored")), original);
    }

    void keyTextBecomesTheLowByte_data()
    {
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<int>("shift");
        QTest::newRow("256 is 0") << "256" << 0;
        QTest::newRow("-1 is 255") << "-1" << 255;
        QTest::newRow("leading spaces, hexadecimal") << "  $3B" << 59;
        QTest::newRow("largest integer") << "2147483647" << 255;
    }

    void keyTextBecomesTheLowByte()
    {
        QFETCH(QString, keyText);
        QFETCH(int, shift);
        WriteBytes(Path("plain"), {0, 1, 200});
        form_->Edit1->setText(keyText);

        dialogs_->QueueAccept(Q(Path("plain")));
        dialogs_->QueueAcceptPrefilled();
        Lock();

        QCOMPARE(ReadBytes(Path("plainebo")), Shifted({0, 1, 200}, shift));
    }

    void lockSuggestsTheSourceNameWithTheSuffix()
    {
        WriteBytes(Path("x.txtebo"), {1});
        dialogs_->QueueAccept(Q(Path("x.txtebo")));
        dialogs_->QueueCancel();
        Lock();

        QCOMPARE(Shown().size(), std::size_t {2});
        QCOMPARE(Shown()[0].mode, QFileDialog::AcceptOpen);
        QCOMPARE(Shown()[1].mode, QFileDialog::AcceptSave);
        QCOMPARE(Shown()[1].prefilledName, Q(Path("x.txteboebo")));
    }

    void unlockOffersTheLockSourceAndSuggestsItUnchanged()
    {
        WriteBytes(Path("a.txt"), {1});
        dialogs_->QueueAccept(Q(Path("a.txt")));
        dialogs_->QueueCancel();
        Lock();

        dialogs_->QueueAcceptPrefilled();
        dialogs_->QueueCancel();
        Unlock();

        QCOMPARE(Shown().size(), std::size_t {4});
        QCOMPARE(Shown()[2].prefilledName, Q(Path("a.txt")));
        QCOMPARE(Shown()[3].prefilledName, Q(Path("a.txt")));
    }

    void unlockIntoTheSourceItselfLosesNothing()
    {
        const Bytes original = ebo::test::PatternBytes(250000);
        WriteBytes(Path("doc"), Shifted(original, 59));

        dialogs_->QueueAccept(Q(Path("doc")));
        dialogs_->QueueAcceptPrefilled();  // the suggestion is the source itself
        Unlock();

        QCOMPARE(ReadBytes(Path("doc")), original);
        QCOMPARE(dir_->Entries(), std::vector<std::string> {"doc"});
        QVERIFY(Messages().empty());
    }

    void invalidKeyShowsTheErrorAndNoDialog_data()
    {
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << "abc"
                                 << "'abc' は整数ではありません.";
        QTest::newRow("empty") << ""
                               << "'' は整数ではありません.";
        QTest::newRow("trailing space") << "12 "
                                        << "'12 ' は整数ではありません.";
    }

    void invalidKeyShowsTheErrorAndNoDialog()
    {
        QFETCH(QString, keyText);
        QFETCH(QString, message);
        form_->Edit1->setText(keyText);

        Lock();
        Unlock();

        QVERIFY(Shown().empty());
        QCOMPARE(Messages().size(), std::size_t {2});
        QCOMPARE(Messages()[0].text, message);
        QCOMPARE(Messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(Messages()[0].caption, QGuiApplication::applicationDisplayName());
        QVERIFY(!Messages()[0].caption.isEmpty());
    }

    void cancelledSourceOnFirstUseStillAsksForTheDestination()
    {
        WriteBytes(Path("old"), {5});
        dialogs_->QueueCancel();
        dialogs_->QueueAccept(Q(Path("old")));
        Lock();

        QCOMPARE(Shown().size(), std::size_t {2});
        QCOMPARE(Shown()[1].prefilledName, QString());
        // The empty source cannot be opened; that is said, and nothing is written.
        QCOMPARE(Messages().size(), std::size_t {1});
        QVERIFY(Messages()[0].text.startsWith("'' を開けません: "));
        QCOMPARE(ReadBytes(Path("old")), Bytes {5});
    }

    void cancelledDestinationTouchesNoFile()
    {
        WriteBytes(Path("plain"), {1});
        dialogs_->QueueAccept(Q(Path("plain")));
        dialogs_->QueueCancel();
        Lock();

        QCOMPARE(dir_->Entries(), std::vector<std::string> {"plain"});
        QVERIFY(Messages().empty());
    }

    void failuresAreShownAndNothingIsLost_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("expectedStart");
        QTest::newRow("missing source") << "missing"
                                        << "old"
                                        << "'%1/missing' を開けません: ";
        QTest::newRow("folder as source") << "folder"
                                          << "old"
                                          << "'%1/folder' を読み込めません: ";
        QTest::newRow("folder as destination") << "plain"
                                               << "folder"
                                               << "'%1/folder' に書き込めません: ";
    }

    void failuresAreShownAndNothingIsLost()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QString, expectedStart);
        ::mkdir(Path("folder").c_str(), 0700);
        WriteBytes(Path("plain"), {1});
        WriteBytes(Path("old"), {5, 6});
        const QString dir = Q(dir_->Path());

        dialogs_->QueueAccept(dir + "/" + source);
        dialogs_->QueueAccept(dir + "/" + destination);
        Lock();

        QCOMPARE(Messages().size(), std::size_t {1});
        QVERIFY2(Messages()[0].text.startsWith(expectedStart.arg(dir)), qPrintable(Messages()[0].text));
        QVERIFY(Messages()[0].text.endsWith('.'));
        QCOMPARE(ReadBytes(Path("old")), (Bytes {5, 6}));
        QCOMPARE(dir_->Entries(), (std::vector<std::string> {"folder", "old", "plain"}));
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
