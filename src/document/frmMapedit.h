#pragma once

#include "shell/Form.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The map description editor, opened from the outline for the map clicked
// last.
class frmMapedit : public vellum::Form {
    Q_OBJECT
public:
    frmMapedit();

    QGroupBox* Frame1;
    QGroupBox* Frame3;
    QLabel* txtMapName; // the title, read-only
    QGroupBox* Frame2;
    QLabel* Label1; // the type's text
    QLabel* Label2;
    QPlainTextEdit* Text1;
    QPushButton* Command1; // "Spell Check"
    QPushButton* cmdOK;

    void Command1_Click();
    void cmdOK_Click();

protected:
    void Form_Load() override;
};
