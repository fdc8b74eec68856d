#include "tiles/frmTownship.h"

#include "shell/MDIForm1.h"
#include "tiles/TileArt.h"

#include <QGroupBox>
#include <QToolButton>

using namespace vellum;

namespace {
constexpr PaletteForm::Place kButtons[] = {
    {5, 0, 0, "Brush"},      {6, 1, 0, "Brush"},        {15, 2, 0, "Brush"},  {13, 0, 1, "Brush"},
    {2, 1, 1, "Brush"},      {4, 2, 1, "Brush"},        {7, 0, 2, "Brush"},   {14, 1, 2, "Brush"},
    {1, 2, 2, "Brush Fill"}, {22, 0, 3, "Small Brush"}, {8, 1, 3, "Roof"},    {16, 2, 3, "Roof"},
    {9, 0, 4, "Roof"},       {20, 1, 4, "Roof"},        {10, 2, 4, "Roof"},   {21, 0, 5, "Roof"},
    {19, 1, 5, "Roof"},      {18, 2, 5, "Roof"},        {23, 0, 6, "Roof"},   {11, 1, 6, "Roof"},
    {12, 2, 6, "Roof"},      {3, 0, 7, "Earth Floor"},  {17, 1, 7, "Wall2"},  {26, 2, 7, "Wall2"},
    {24, 0, 8, "Wall2"},     {31, 1, 8, "Wall2"},       {27, 2, 8, "Wall2"},  {28, 0, 9, "Wall2"},
    {29, 1, 9, "Wall2"},     {25, 2, 9, "Wall2"},       {30, 0, 10, "Wall2"}, {32, 1, 10, "Wall2"},
    {33, 2, 10, "Wall2"},    {34, 0, 11, "Wall2"},      {35, 1, 11, "Wall2"}, {36, 2, 11, "Wall2"},
};
constexpr int FourWayWall = 17;
} // namespace

frmTownship::frmTownship() : PaletteForm("frmTownship", mainForm()->mnuTown) {
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 0, 137, 505);
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, white.color(QPalette::Base));
    Picture1->setPalette(white);
    makeFrame(Picture1, QStringLiteral("Tile Set 2"), {0, 0, 137, 513});
    for (const PaletteForm::Place& p : kButtons)
        addTileButton(Frame1, p.command, p.column, p.row, QString::fromLatin1(p.tip),
                      art::townTile(p.command));
}

void frmTownship::Form_Load() {
    setClientSize(142, 511);
    placeAtLeftEdge(27);
}

void frmTownship::buttonClicked(int command) {
    selectTile(buttonPicture(command),
               command == FourWayWall ? QString() : QStringLiteral("Tile Mode"));
}
