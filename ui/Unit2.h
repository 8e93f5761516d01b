#pragma once

// The help window: a fixed usage text in an editable memo, and a close button.
// Closing only hides it; it lives until the program ends.

#include "ui_Unit2.h"

#include <QWidget>

class TForm2 : public QWidget, public Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    void Button1Click();
};

// The help window, created hidden at start-up.
extern TForm2* Form2;
