#pragma once

namespace vellum {

// Window places are given in twips, 15 to the pixel.
inline constexpr int TwipsPerPixel = 15;

inline constexpr int toTwips(int pixels) {
    return pixels * TwipsPerPixel;
}
inline constexpr int toPixels(int twips) {
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}

// The offset that centres (divisor 2) or puts at one third (divisor 3) a
// window of `window` twips in `screen` twips; the division truncates toward
// zero, as the placement rules say.
inline constexpr int placedOffset(int screen, int window, int divisor) {
    return (screen - window) / divisor;
}

} // namespace vellum
