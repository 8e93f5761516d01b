#include "Unit1.h"

#include "ExceptionDisplay.h"
#include "FailureMessage.h"
#include "FormLook.h"
#include "Key.h"
#include "Unit2.h"

#include <QFile>

#include <cstdlib>

TForm1* Form1 = nullptr;

using ebo::Guarded;

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
{
    setupUi(this);
    ebo::ApplyFormLook(this, QString::fromLatin1(ebo::MainIconResource), QPoint(200, 106));

    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    connect(Close1, &QAction::triggered, this, Guarded([this] { Close1Click(); }));
    connect(Tutorial1, &QAction::triggered, this, Guarded([this] { Tutorial1Click(); }));
}

void TForm1::Button1Click() { ShiftChosenFiles(ebo::ShiftDirection::Lock); }

void TForm1::Button2Click() { ShiftChosenFiles(ebo::ShiftDirection::Unlock); }

void TForm1::Close1Click()
{
    // The normal process exit: no close query, nothing to save.
    std::exit(0);
}

void TForm1::Tutorial1Click()
{
    Q_ASSERT(Form2);
    Form2->show();
    Form2->raise();
    Form2->activateWindow();
}

void TForm1::ShiftChosenFiles(ebo::ShiftDirection direction)
{
    // A bad key ends the command before any dialog.
    const ebo::KeyByte key = ebo::KeyByteFromText(Edit1->text().toStdString());

    // A cancelled source dialog is not the end: the previous name stays.
    if (OpenDialog1.Execute()) {
        SaveDialog1.FileName = direction == ebo::ShiftDirection::Lock
            ? OpenDialog1.FileName + QString::fromUtf8(ebo::LockSuffix)
            : OpenDialog1.FileName;
    }
    if (!SaveDialog1.Execute())
        return;

    const ebo::ShiftResult result =
        ebo::ShiftFile(QFile::encodeName(OpenDialog1.FileName).toStdString(),
                       QFile::encodeName(SaveDialog1.FileName).toStdString(), key, direction);
    if (!result.Succeeded()) {
        throw ebo::Exception(
            ebo::FailureMessage(result, OpenDialog1.FileName.toStdString(), SaveDialog1.FileName.toStdString()));
    }
}
