#pragma once

namespace vellum {

class Form;

// Closes the layout window of every slot, 1 to the last, under
// closingForSave "Yes", so that each writes its map image file. Empty slots
// and windows already closed are passed over.
void closeLayoutWindowsForSave();

// The layout window of a slot, or null when the slot is empty or closed.
Form* layoutWindowInSlot(int slot);

} // namespace vellum
