#pragma once

class QWidget;

namespace vellum {

// Pops the main window's Show menu up at the pointer whenever the right
// button is released over `area`. With `onlyOnItself`, a release that one of
// the area's children left unhandled, and that travelled up to it, does not
// count (the empty workspace of the main window).
void popUpShowMenuOver(QWidget* area, bool onlyOnItself = false);

} // namespace vellum
