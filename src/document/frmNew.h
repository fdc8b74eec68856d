#pragma once

#include "document/TitleBlockForm.h"

// "Sarting a new Scenario": the title block of a new scenario; "Create it!"
// asks for the file name and writes the scenario file.
class frmNew : public TitleBlockForm {
    Q_OBJECT
public:
    frmNew();

    QPushButton* cmdExit;

    void cmdOk_Click(); // "Create it!"
    void cmdExit_Click();

protected:
    void Form_Load() override;
    bool Form_QueryUnload(vellum::UnloadMode mode) override;
};
