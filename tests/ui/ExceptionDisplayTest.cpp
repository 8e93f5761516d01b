// The handler guard: what reaches the user, and that nothing escapes.

#include "ExceptionDisplay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <stdexcept>

Q_DECLARE_METATYPE(std::function<void()>)

class ExceptionDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void guardShowsWhatEscapesAHandler_data()
    {
        QTest::addColumn<std::function<void()>>("handler");
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("nothing thrown") << std::function<void()>([] {}) << QStringList {};
        QTest::newRow("platform error") << std::function<void()>([] { throw ebo::Exception("失敗しました"); })
                                        << QStringList {"失敗しました."};
        QTest::newRow("full stop appended even after one")
            << std::function<void()>([] { throw ebo::EConvertError("x."); }) << QStringList {"x.."};
        QTest::newRow("silent abort") << std::function<void()>([] { throw ebo::EAbort(); }) << QStringList {};
        QTest::newRow("standard exception") << std::function<void()>([] { throw std::runtime_error("boom"); })
                                            << QStringList {"予期しないエラーが発生しました: boom."};
        QTest::newRow("anything else") << std::function<void()>([] { throw 42; })
                                       << QStringList {"予期しないエラーが発生しました: ?."};
    }

    void guardShowsWhatEscapesAHandler()
    {
        QFETCH(std::function<void()>, handler);
        QFETCH(QStringList, shown);
        ebo::CapturedExceptionDisplay display;

        ebo::RunGuarded(handler);

        QStringList texts;
        for (const auto& message : display.ShownMessages()) {
            texts << message.text;
            QCOMPARE(message.icon, QMessageBox::Critical);
            QCOMPARE(message.caption, QGuiApplication::applicationDisplayName());
        }
        QCOMPARE(texts, shown);
    }

    void realBoxHasTheErrorIconAndOneOkButton()
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString text, caption;
        QList<QAbstractButton*> buttons;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                icon = box->icon();
                text = box->text();
                caption = box->windowTitle();
                buttons = box->buttons();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer.start(20);

        ebo::ShowException(ebo::EConvertError("'x' は整数ではありません"));

        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(text, QStringLiteral("'x' は整数ではありません."));
        QCOMPARE(caption, QGuiApplication::applicationDisplayName());
        QCOMPARE(buttons.size(), 1);
    }
};

QTEST_MAIN(ExceptionDisplayTest)
#include "ExceptionDisplayTest.moc"
