#pragma once

class QApplication;

namespace vellum {

// The look every window is laid out for: a compact 11-pixel sans-serif font
// (the windows place their controls at fixed pixel positions) and the Fusion
// style, so that the program looks the same on every desktop.
void applyProgramStyle(QApplication& application);

} // namespace vellum
