#pragma once
// The waiting animation: a one-second timer steps a six-frame cycle of Pikvalt pictures over the
// two hidden pictures until both have content. The left image alternates 16 and 17 every three
// ticks; the right one steps through 10 to 15.
#include <cstdint>

namespace salon {

struct WaitFrame {
    int32_t left = 0;   // picture id for Image1(0); 0 = unchanged
    int32_t right = 0;  // picture id for Image1(1)
};

// Advances the frame counter (1..6, then 1 again) and gives the pictures of the new frame.
WaitFrame nextWaitFrame(uint8_t& counter);

} // namespace salon
