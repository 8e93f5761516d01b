#pragma once

// The main window: the key field, the lock and unlock buttons, and the menu.

#include "FileDialogs.h"
#include "ShiftFile.h"
#include "ui_Unit1.h"

#include <QMainWindow>

class TForm1 : public QMainWindow, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // The remembered source and destination names, shared by both commands.
    ebo::TOpenDialog OpenDialog1 {this};
    ebo::TSaveDialog SaveDialog1 {this};

    // Event handlers. They may throw; the connections run them guarded.
    void Button1Click();  // lock
    void Button2Click();  // unlock
    [[noreturn]] void Close1Click();
    void Tutorial1Click();

private:
    void ShiftChosenFiles(ebo::ShiftDirection direction);
};

// The application's main window, created first at start-up.
extern TForm1* Form1;
