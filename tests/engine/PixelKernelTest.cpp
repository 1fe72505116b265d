// The kernel tests of the rotation and the deformation compare every kernel that runs here; these
// make sure the vector kernels are among them.
#include "editor/engine/PixelKernel.h"

#include <gtest/gtest.h>

using namespace salon;

#if defined(__x86_64__)
// Without it the kernel comparisons would quietly test the plain kernels alone.
TEST(PixelKernels, TheVectorKernelIsBuiltInOnX86)
{
    EXPECT_TRUE(pixelKernelRuns(PixelKernel::Sse2));
}

// The AVX2 kernels need their own compiler flags; a build that lost them would leave them out
// here and everywhere else without a word.
TEST(PixelKernels, TheAvx2KernelRunsWhereTheProcessorHasAvx2)
{
    EXPECT_EQ(__builtin_cpu_supports("avx2") != 0, pixelKernelRuns(PixelKernel::Avx2));
}

// The steps run this one: on x86 never the plain formula.
TEST(PixelKernels, TheStepsRunTheWidestVectorsThisProcessorHas)
{
    EXPECT_EQ(__builtin_cpu_supports("avx2") ? PixelKernel::Avx2 : PixelKernel::Sse2, fastestPixelKernel());
}
#endif
