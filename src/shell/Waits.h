#pragma once

namespace vellum {

// Timed waits that keep processing events (the splash, the system check).
// Tests set the scale to 0 so that a wait only processes pending events.
void waitProcessingEvents(int milliseconds);
void setWaitScale(double scale);
double waitScale();

} // namespace vellum
