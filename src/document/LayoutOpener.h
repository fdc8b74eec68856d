#pragma once

class frmLayout;

namespace vellum {

// Opens a layout window for a map: an existing one (openMapFromFile 1, the
// title taken from lastMapRecord, the canvas from its map image file) or a
// new one titled newMapTitle. The window takes the next slot, is shown and
// becomes the active child; the tool bar follows its canvas. Returns null
// (after telling the user) when no slot is left.
frmLayout* openLayoutWindow();

} // namespace vellum
