#include "platform/PixelKernel.h"

#include <initializer_list>

namespace salon {

bool pixelKernelRuns(PixelKernel kernel)
{
    switch (kernel) {
    case PixelKernel::Plain:
        return true;
    case PixelKernel::Sse2:
#if defined(__SSE2__)
        return true;
#else
        return false;
#endif
    case PixelKernel::Avx2:
#if defined(SALON_PLATFORM_AVX2)
        __builtin_cpu_init();  // needed should this run before the runtime's own constructor asked
        return __builtin_cpu_supports("avx2");
#else
        return false;
#endif
    }
    return false;
}

PixelKernel fastestPixelKernel()
{
    for (PixelKernel k : {PixelKernel::Avx2, PixelKernel::Sse2})
        if (pixelKernelRuns(k)) return k;
    return PixelKernel::Plain;
}

} // namespace salon
