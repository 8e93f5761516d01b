// The two windows as laid out, and how the help window comes and goes.

#include "Key.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QtTest>

#include <memory>

class WindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;

    QObject* Find(const QString& name) const
    {
        if (name == "Form1")
            return form1_.get();
        if (name == "Form2")
            return form2_.get();
        const QString window = name.section('.', 0, 0);
        const QString child = name.section('.', 1);
        return Find(window)->findChild<QObject*>(child);
    }

    // The widgets that Tab visits from first, in order.
    static QStringList TabChain(QWidget* first)
    {
        QStringList names;
        QWidget* widget = first;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                names << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        return names;
    }

private slots:
    void init()
    {
        form1_ = std::make_unique<TForm1>();
        form2_ = std::make_unique<TForm2>();
        Form1 = form1_.get();
        Form2 = form2_.get();
    }

    void cleanup()
    {
        Form1 = nullptr;
        Form2 = nullptr;
        form2_.reset();
        form1_.reset();
    }

    void declaredProperties_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        auto row = [](const char* object, const char* property, const QVariant& expected) {
            QTest::addRow("%s.%s", object, property) << QString(object) << QByteArray(property) << expected;
        };
        row("Form1", "windowTitle", "ebo暗号化");
        row("Form1", "pos", QPoint(200, 106));
        row("Form1", "size", QSize(193, 116));
        row("Form1.Label1", "text", "鍵");
        row("Form1.Label1", "geometry", QRect(17, 12, 12, 12));
        row("Form1.Edit1", "text", QString::fromUtf8(ebo::DefaultKeyText));
        row("Form1.Edit1", "geometry", QRect(50, 7, 121, 20));
        row("Form1.Button1", "text", "施錠");
        row("Form1.Button1", "geometry", QRect(8, 34, 75, 25));
        row("Form1.Button2", "text", "開錠");
        row("Form1.Button2", "geometry", QRect(95, 34, 75, 25));
        row("Form1.K1", "title", "ファイル(&F)");
        row("Form1.Close1", "text", "閉じる(&X)");
        row("Form1.KH1", "title", "ヘルプ(&H)");
        row("Form1.Tutorial1", "text", "使い方");
        row("Form2", "windowTitle", "ebo暗号化ヘルプ");
        row("Form2", "pos", QPoint(265, 171));
        row("Form2", "size", QSize(349, 282));
        row("Form2", "visible", false);
        row("Form2.Button1", "text", "閉じる");
        row("Form2.Button1", "geometry", QRect(260, 226, 75, 25));
        row("Form2.Memo1", "geometry", QRect(7, 10, 323, 208));
        row("Form2.Memo1", "readOnly", false);
        row("Form2.Memo1", "lineWrapMode", QVariant::fromValue(QPlainTextEdit::WidgetWidth));
        row("Form2.Memo1", "verticalScrollBarPolicy", QVariant::fromValue(Qt::ScrollBarAlwaysOn));
    }

    void declaredProperties()
    {
        QFETCH(QString, object);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        QObject* found = Find(object);
        QVERIFY2(found, qPrintable(object));
        const QVariant actual = found->property(property);
        QVERIFY2(actual.isValid(), property.constData());
        QCOMPARE(actual.toString(), expected.toString());
        QCOMPARE(actual, expected);
    }

    void everyControlUsesTheFormFont()
    {
        for (QWidget* window : {static_cast<QWidget*>(form1_.get()), static_cast<QWidget*>(form2_.get())}) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                QVERIFY2(widget->font().family() == QStringLiteral("ＭＳ Ｐゴシック"),
                         widget->metaObject()->className());
                QCOMPARE(widget->font().pixelSize(), 12);
            }
        }
        // The name is mapped to a Gothic that Linux has.
        QVERIFY(!QFont::substitutes(QStringLiteral("ＭＳ Ｐゴシック")).isEmpty());
    }

    void eachWindowHasItsOwnIcon()
    {
        QVERIFY(!form1_->windowIcon().isNull());
        QVERIFY(!form2_->windowIcon().isNull());
        QCOMPARE(form1_->windowIcon().availableSizes(), QList<QSize> {QSize(32, 32)});
        QVERIFY(form1_->windowIcon().pixmap(32).toImage() != form2_->windowIcon().pixmap(32).toImage());
    }

    void tabOrderAndAccessKeys()
    {
        QCOMPARE(TabChain(form1_->Edit1), (QStringList {"Edit1", "Button1", "Button2"}));
        QCOMPARE(TabChain(form2_->Button1), (QStringList {"Button1", "Memo1"}));
        QCOMPARE(QKeySequence::mnemonic(form1_->K1->title()), QKeySequence(Qt::ALT | Qt::Key_F));
        QCOMPARE(QKeySequence::mnemonic(form1_->KH1->title()), QKeySequence(Qt::ALT | Qt::Key_H));
        QCOMPARE(QKeySequence::mnemonic(form1_->Close1->text()), QKeySequence(Qt::ALT | Qt::Key_X));
        QCOMPARE(form1_->MainMenu1->actions(), (QList<QAction*> {form1_->K1->menuAction(), form1_->KH1->menuAction()}));
        QCOMPARE(form1_->K1->actions(), QList<QAction*> {form1_->Close1});
        QCOMPARE(form1_->KH1->actions(), QList<QAction*> {form1_->Tutorial1});
    }

    void helpTextHasItsThirtyThreeLines()
    {
        const QStringList expectedStart = {
            "　ご愛用有り難うございます。",
            "",
            "使い方：",
            "　鍵に０から２５５までの数字を半角で入れて下さい。",
            "",
            "　ファイルを暗号化するときは施錠ボタンを押して、",
            "暗号化する元のファイル、暗号化した後のファイル名を",
            "指定して下さい。",
            "",
            "　ファイルを復号化するときは開錠ボタンを押して、",
            "復号化する元のファイル、復号化した後のファイル名を",
            "指定して下さい。",
            "",
            "　このプログラムで暗号化した場合は、拡張子にebo を",
            "連続してつけることを推奨します。例えば、Readme.txt",
            "なら Readme.txtebo  となるべくしてください。",
            "　またこの形式で .***ebo  と名付けられているファイ",
            "ルを復号化するときは、拡張子に付いている ebo を",
            "取り除くのが最もいい方法だと考えます。",
            "",
            "謝辞・連絡先：",
        };
        const QStringList lines = form2_->Memo1->toPlainText().split('\n');
        QCOMPARE(lines.size(), 33);
        QCOMPARE(lines.mid(0, 21), expectedStart);
        QCOMPARE(lines[23], QStringLiteral("　"));
        QVERIFY(lines[32].endsWith(QStringLiteral("\tversion. 1.0　　")));
        for (int blank : {25, 27, 29, 31})
            QCOMPARE(lines[blank], QString());
    }

    void helpItemShowsOneHelpWindow()
    {
        form1_->show();
        form1_->Tutorial1->trigger();
        form1_->Tutorial1->trigger();

        QVERIFY(form2_->isVisible());
        int helpWindows = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            helpWindows += window->isVisible() && qobject_cast<TForm2*>(window) ? 1 : 0;
        QCOMPARE(helpWindows, 1);
    }

    void closingTheHelpWindowHidesItAndKeepsEdits()
    {
        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        form1_->Tutorial1->trigger();
        form2_->Memo1->appendPlainText("メモ");

        QTest::mouseClick(form2_->Button1, Qt::LeftButton);
        QVERIFY(!form2_->isVisible());
        form2_->show();
        form2_->close();  // the close box does the same

        form1_->Tutorial1->trigger();
        QVERIFY(form2_->isVisible());
        QVERIFY(form2_->Memo1->toPlainText().endsWith("メモ"));
        QCOMPARE(lastWindowClosed.count(), 0);
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
