#pragma once
// The row kernels of the area transforms that run for every byte of large areas: grey,
// threshold, contrast, lighten and the blends of a second (and third) picture. Each works on a
// run of contiguous row bytes starting at a pixel's first byte and gives exactly the bytes of the
// per-pixel formulas (AreaTransforms.h); a set for AVX2 processors and a portable set (SSE2 on
// x86-64) are chosen at run time.
#include <array>
#include <cstddef>
#include <cstdint>

namespace pixol::area::rows {

// PaZmenaB 5-8: m = min(255, P2 x factor of the channel x lift), multiplied into P1 for 7 and 8
// (m = P1 m / 255); lifted kinds keep P1 with `keep`, the others with (1 - k) 0.996; m weighs k.
struct Transfer {
    std::array<float, 3> factor;  // blue, green, red
    float lift = 1.0f, keep = 0.0f, k = 1.0f;
    bool multiplied = false, lifted = false;
};

struct Kernels {
    // All three bytes of each pixel become B \ 3 + G \ 3 + R \ 3.
    void (*grey)(uint8_t* row, size_t pixels);
    // Black where all three bytes are below `limit`, white elsewhere.
    void (*threshold)(uint8_t* row, size_t pixels, uint8_t limit);
    // Each byte c becomes nint(c k + o), raised to `floor` (0..255), limited to 255.
    void (*contrast)(uint8_t* row, size_t bytes, float k, float o, uint8_t floor);
    // Each byte c becomes nint(a + c rest / 255) (rest = 255 - a).
    void (*lighten)(uint8_t* row, size_t bytes, float a, float rest);
    // P1 becomes nint(P1 (1 - k) 0.996 + P2 k).
    void (*blend)(uint8_t* p1, const uint8_t* p2, size_t bytes, float k);
    void (*transfer)(uint8_t* p1, const uint8_t* p2, size_t bytes, const Transfer& t);
    // P1 becomes nint(P1 (1 - k) 0.996 + mode(P2, P3) k), the modes of PaZmenaC.
    void (*modes)(uint8_t* p1, const uint8_t* p2, const uint8_t* p3, size_t bytes, int mode, float k);
};

// The AVX2 set when the processor has AVX2 and it is switched on (the default), else the portable one.
const Kernels& kernels();
// The tests switch the AVX2 set off to check the portable one on processors that have AVX2.
bool avx2Enabled();
void setAvx2Enabled(bool enabled);

// One byte after the other, in row order: for pictures blended onto themselves, where a byte read
// may be one the same call has already written.
const Kernels& scalarKernels();
// The two sets themselves; avx2 is null when the library was built without it or the processor
// lacks AVX2.
const Kernels& portableKernels();
const Kernels* avx2Kernels();
// The AVX2 set itself (built with PIXOL_AREA_AVX2 only); call it only on AVX2 processors.
const Kernels& avx2KernelSet();

} // namespace pixol::area::rows
