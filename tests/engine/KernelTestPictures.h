#pragma once
// What the tests of the vectorised pixel steps share: the kernels this processor runs, and source
// buffers in each row layout a caller may hand over.
#include "editor/engine/PixelBuffer.h"
#include "editor/engine/PixelKernel.h"

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace salon::kerneltest {

inline std::vector<PixelKernel> kernelsHere()
{
    std::vector<PixelKernel> out;
    for (PixelKernel k : {PixelKernel::Plain, PixelKernel::Sse2, PixelKernel::Avx2})
        if (pixelKernelRuns(k)) out.push_back(k);
    return out;
}

// How the source rows lie in memory: the usual padding to 4 bytes, none at all (the last pixel
// ends the buffer even where 3 W is no multiple of 4), or an odd amount (where 3 W is a multiple
// of 4, a padded source then meets a destination without padding).
enum class Rows { Usual, Tight, Loose };

// "AVX2 kernel, 21x40, tight rows": the case a failure message names.
inline std::string describeCase(PixelKernel k, int32_t w, int32_t h, Rows rows)
{
    static const char* const names[] = {"plain", "SSE2", "AVX2"};
    static const char* const layouts[] = {"usual rows", "tight rows", "loose rows"};
    return std::string(names[int(k)]) + " kernel, " + std::to_string(w) + "x" + std::to_string(h) + ", " +
           layouts[int(rows)];
}

// A w x h buffer in that layout, every byte random - padding included, which no kernel may mix
// into a pixel. Callers paint their own rows and columns over it.
inline PixelBuffer junkPicture(int32_t w, int32_t h, Rows rows, std::mt19937& rng)
{
    PixelBuffer b = PixelBuffer::allocate(w, h);
    if (rows != Rows::Usual) {
        b.RowBytes = 3 * w + (rows == Rows::Loose ? 5 : 0);
        b.Data.assign(size_t(b.RowBytes) * size_t(h), 0);
    }
    for (uint8_t& v : b.Data) v = uint8_t(rng());
    b.Valid = true;
    return b;
}

} // namespace salon::kerneltest
