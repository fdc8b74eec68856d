#pragma once

#include "shell/Form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "New Map": title, graph-paper option and description of a new map.
class frmNewMap : public vellum::Form {
    Q_OBJECT
public:
    frmNewMap();

    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* txtMapName;
    QCheckBox* Check1;
    QLabel* Label2;
    QPlainTextEdit* Text1;
    QPushButton* Command1; // "Spell Check"
    QPushButton* cmdOK;

    void Check1_Click();
    void Command1_Click();
    void cmdOK_Click();

protected:
    void Form_Load() override;
};
