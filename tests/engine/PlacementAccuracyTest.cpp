// The placement's accuracy on seeded photos (PlacementAccuracy.h). The normal suite places
// SALON_ACCURACY_PHOTOS of them (40); the full measure of 200 is its own program, run with
// `ctest -C accuracy -R placement_accuracy`.
#include "PlacementAccuracy.h"

#ifndef SALON_ACCURACY_PHOTOS
#define SALON_ACCURACY_PHOTOS 40
#endif

namespace salon {
namespace {

TEST(PlacementAccuracy, SeededPhotosOfTheDemoPortraitLandWhereItsBoxPutsThem)
{
    if (!FaceFinder().ready()) GTEST_SKIP() << "no cascades installed";
    testing::expectAccurate(testing::measurePlacement(SALON_ACCURACY_PHOTOS, 19));
}

} // namespace
} // namespace salon
