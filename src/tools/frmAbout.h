#pragma once

#include "shell/Form.h"

class QLabel;
class QPushButton;

namespace vellum {
class PictureBox;
}

// The About box, shown modally over the main window by Help > "Version".
class frmAbout : public vellum::Form {
    Q_OBJECT
public:
    frmAbout();

    vellum::PictureBox* Picture1;
    QLabel* Label1;
    QLabel* Label2; // designer and programmer
    QLabel* Label3; // rights holder
    QLabel* Label4; // web address
    QLabel* Label6; // e-mail address
    QLabel* Label5; // version and release date
    QPushButton* cmdOK;

    void cmdOK_Click();

protected:
    void Form_Load() override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
