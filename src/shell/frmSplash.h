#pragma once

#include "shell/Form.h"

#include <QImage>
#include <functional>

namespace vellum {
class PictureBox;
}

// The start-up splash: the title picture for 2.5 seconds, then the main
// window.
class frmSplash : public vellum::Form {
    Q_OBJECT
public:
    frmSplash();

    vellum::PictureBox* Picture1;

    // Where the splash picture comes from (tests make it fail).
    static void setPictureSource(std::function<QImage()> source);

protected:
    void Form_Load() override;

private:
    void sizeAndCentre();
};
