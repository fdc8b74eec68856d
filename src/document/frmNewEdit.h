#pragma once

#include "document/TitleBlockForm.h"

// "Scenario Description Edit": the title block of the open scenario, read
// from its file; OK rewrites it.
class frmNewEdit : public TitleBlockForm {
    Q_OBJECT
public:
    frmNewEdit();

    void cmdOk_Click();

protected:
    void Form_Load() override;
};
