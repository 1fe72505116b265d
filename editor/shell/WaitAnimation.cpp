#include "editor/shell/WaitAnimation.h"

namespace salon {

WaitFrame nextWaitFrame(uint8_t& counter)
{
    ++counter;
    if (counter >= 7)
        counter = 1;
    static constexpr WaitFrame frames[7] = {
        {0, 0}, {16, 10}, {0, 11}, {0, 12}, {17, 13}, {0, 14}, {0, 15},
    };
    return frames[counter];
}

} // namespace salon
