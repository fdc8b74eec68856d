#pragma once

#include <functional>

namespace vellum {

// Ends the program at once (the last step of the exit sequence). Tests
// replace the ending with a handler of their own.
void endProgram();
void setProgramEndHandler(std::function<void()> handler);

} // namespace vellum
