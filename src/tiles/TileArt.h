#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The built-in tile artwork, drawn by code on QImage (RGB32) and identical on
// every run. Pure magenta, RGB (255, 0, 255), appears only where a picture is
// meant to be see-through when stamped.
namespace vellum::art {

// Picture of Tile Set 1's button Command<n>, n = 1..18 (30 x 30). The
// "Stairs" button (18) carries a picture too, although its button shows text.
QImage dungeonTile(int command);

// Picture of Tile Set 2's button Command<n>, n = 1..36 (30 x 30).
QImage townTile(int command);

// Stock pictures of doors, double doors, secret doors and stairs by their
// names (picdn, picds, picDe, picdw, picddn, picdds, picdde, picddw, picdne,
// picdnw, picsecretne, picsecretnw, picsecretns, picsecretew, picstairsn,
// picstairss, picstairse, picstairsw). A null image for an unknown name.
QImage stockPicture(const QString& name);
QStringList stockPictureNames();

} // namespace vellum::art
