#pragma once

#include "shell/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The window of a scenario's title block (working title, author, date,
// starting description), shared by the new-scenario window and the
// scenario description editor.
class TitleBlockForm : public vellum::Form {
    Q_OBJECT
public:
    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* txtWorking;
    QLabel* Label2;
    QLineEdit* txtAuthor;
    QLabel* Label4;
    QLabel* lblDate;
    QLabel* Label3;
    QPlainTextEdit* txtStarting;
    QPushButton* Command1; // "Spell Check"
    QPushButton* cmdOk;

    // "Spell Check" on the starting description.
    void Command1_Click();

protected:
    TitleBlockForm(const char* name, const QString& caption, const QString& okCaption, int okX,
                   int clientHeight);
    // Centred, top at a third of the free screen height.
    void place();
    int m_clientHeight;
};
