#pragma once
// The kernel forms live with the platform, below the editor and the library, which share the
// vectorised rotation and stretch.
#include "platform/PixelKernel.h"
