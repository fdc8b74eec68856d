#pragma once

#include "tiles/PaletteForm.h"

// "Tile Set 1": stone-floor dungeon tiles, with the doors and stairs options.
class frmDungeonTiles : public PaletteForm {
    Q_OBJECT
public:
    frmDungeonTiles();

protected:
    void Form_Load() override;
    void buttonClicked(int command) override;
};
