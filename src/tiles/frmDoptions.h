#pragma once

#include "shell/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vellum {
class PictureBox;
}

// "Dungeon Options": a door's type and facing; OK makes its picture the
// current tile.
class frmDoptions : public vellum::Form {
    Q_OBJECT
public:
    frmDoptions();

    QGroupBox* Frame1;
    vellum::PictureBox* Picture1;
    QLabel* Label1;
    QRadioButton* OptionN;
    QRadioButton* OptionNE;
    QRadioButton* OptionE;
    QRadioButton* OptionSE;
    QRadioButton* OptionS;
    QRadioButton* OptionSW;
    QRadioButton* OptionW;
    QRadioButton* OptionNW;
    QLabel* Label2;
    QComboBox* Combo1;
    QPushButton* cmdOk;
    QPushButton* cmdExit;

    void Combo1_Click();
    void OptionW_Click();
    // N, NE, E, SE, S, SW and NW.
    void facingClicked(const QString& facing);
    void cmdOk_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPicture(const QString& name);
    void setDiagonalsEnabled(bool enabled);
};
