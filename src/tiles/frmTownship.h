#pragma once

#include "tiles/PaletteForm.h"

namespace vellum {
class PictureBox;
}

// "Tile Set 2": outdoor and town tiles.
class frmTownship : public PaletteForm {
    Q_OBJECT
public:
    frmTownship();

    QWidget* Picture1; // the white box that cuts the frame's bottom edge

protected:
    void Form_Load() override;
    void buttonClicked(int command) override;
};
