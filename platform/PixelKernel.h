#pragma once
// The forms a hand-vectorised pixel step comes in. Every form of a step gives the same bytes; the
// step runs the fastest form this processor has, and the tests run each of them.
//
// The AVX2 kernel files include this header under -mavx2, so it holds no inline functions: a copy
// of one compiled there could be the copy the linker keeps for the whole program, and would then
// run AVX2 instructions on processors without them.

namespace salon {

enum class PixelKernel {
    Plain,  // the formula one value at a time, on every processor
    Sse2,   // 16-byte vectors, on every x86-64 processor
    Avx2,   // 32-byte vectors, where the processor has AVX2
};

// The form is built into this program and the processor runs it.
[[nodiscard]] bool pixelKernelRuns(PixelKernel kernel);

// The fastest form that runs here.
[[nodiscard]] PixelKernel fastestPixelKernel();

} // namespace salon
