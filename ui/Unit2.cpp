#include "Unit2.h"

#include "ExceptionDisplay.h"
#include "FormLook.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    ebo::ApplyFormLook(this, QString::fromLatin1(ebo::HelpIconResource), QPoint(265, 171));
    // Not the main window: closing it must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    connect(Button1, &QPushButton::clicked, this, ebo::Guarded([this] { Button1Click(); }));
}

void TForm2::Button1Click() { close(); }
