#pragma once

namespace vellum {

// File > "New", "Open" and "Save" of the main window.
void fileNew();
void fileOpen();
void fileSave();

} // namespace vellum
