#pragma once

#include "shell/Form.h"

class QGroupBox;
class QLabel;

// "System Check": shows the result of the start-up spelling probe for a
// moment and goes away by itself.
class frmCheck : public vellum::Form {
    Q_OBJECT
public:
    frmCheck();

    QGroupBox* Frame1;
    QLabel* Label1;

protected:
    void Form_Load() override;
    void Form_Activate() override;
};
