// ebo: locks and unlocks single files with a one-byte key.

#include "ExceptionDisplay.h"
#include "FormLook.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

// Qt's own dialogs and buttons in Japanese, like the rest of the program.
void InstallQtJapanese(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InstallQtJapanese(application);
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(ebo::MainIconResource)));

    std::unique_ptr<TForm1> mainWindow;
    std::unique_ptr<TForm2> helpWindow;
    ebo::RunGuarded([&] {
        mainWindow = std::make_unique<TForm1>();
        Form1 = mainWindow.get();
        helpWindow = std::make_unique<TForm2>();
        Form2 = helpWindow.get();
        Form1->show();
        QApplication::exec();
    });
    Form2 = nullptr;
    Form1 = nullptr;
    return 0;
}
