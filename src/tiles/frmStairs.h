#pragma once

#include "shell/Form.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vellum {
class PictureBox;
}

// "Stairs": the direction of a flight of steps; OK makes its picture the
// current tile.
class frmStairs : public vellum::Form {
    Q_OBJECT
public:
    frmStairs();

    QGroupBox* Frame1;
    vellum::PictureBox* Picture1;
    QRadioButton* Optionn;
    QLabel* Label1;
    QRadioButton* Options;
    QLabel* Label2;
    QRadioButton* Option3;
    QLabel* Label3;
    QRadioButton* Option4;
    QLabel* Label4;
    QPushButton* cmdOK;
    QPushButton* cmdExit;

    void cmdOK_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;

private:
    void showPicture(const QString& name);
};
