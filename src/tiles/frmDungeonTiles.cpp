#include "tiles/frmDungeonTiles.h"

#include "canvas/frmInfo.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "tiles/TileArt.h"
#include "tiles/frmDoptions.h"
#include "tiles/frmStairs.h"

#include <QGroupBox>
#include <QToolButton>

using namespace vellum;

namespace {
constexpr PaletteForm::Place kButtons[] = {
    {1, 0, 0, "Wall1"},       {2, 1, 0, "Wall1"},   {13, 2, 0, "Wall1"}, {3, 0, 1, "Wall1"},
    {4, 1, 1, "Wall1"},       {14, 2, 1, "Wall1"},  {5, 0, 2, "Wall1"},  {6, 1, 2, "Wall1"},
    {15, 2, 2, "Doors"},      {7, 0, 3, "Wall1"},   {8, 1, 3, "Wall1"},  {16, 2, 3, "Pillar"},
    {9, 0, 4, "Wall1"},       {10, 1, 4, "Wall1"},  {17, 2, 4, "Water"}, {11, 0, 5, "Wall1"},
    {12, 1, 5, "Clear Tile"}, {18, 2, 5, "Stairs"},
};
constexpr int Doors = 15, Water = 17, Stairs = 18;
} // namespace

frmDungeonTiles::frmDungeonTiles() : PaletteForm("frmDungeonTiles", mainForm()->mnuDungeon) {
    makeFrame(this, QStringLiteral("Tile Set 1"), {0, 0, 137, 265});
    for (const PaletteForm::Place& p : kButtons) {
        QToolButton* b = addTileButton(Frame1, p.command, p.column, p.row,
                                       QString::fromLatin1(p.tip), art::dungeonTile(p.command));
        // "Stairs" is a text button; its picture is not shown.
        if (p.command == Stairs) {
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
            b->setText(QStringLiteral("Stairs"));
        }
    }
}

void frmDungeonTiles::Form_Load() {
    setClientSize(137, 267);
    placeAtLeftEdge(27);
    frmInfo::ensureLoaded();
}

void frmDungeonTiles::buttonClicked(int command) {
    switch (command) {
    case Doors:
        selectTile({}, QStringLiteral("Tile Mode"));
        Forms::get<frmDoptions>()->Show();
        break;
    case Stairs:
        selectTile({}, QStringLiteral("Tile Mode"));
        Forms::get<frmStairs>()->Show();
        break;
    case Water:
        selectTile(buttonPicture(command), {});
        break;
    default:
        selectTile(buttonPicture(command), QStringLiteral("Tile Mode"));
    }
}
