// Built with a fragment shader that differs from the program's in one
// constant: the comparison with the reference must see the difference.
#include <gtest/gtest.h>

#include "aurora_scene_fixture.h"

namespace {

TEST_P(AuroraSceneTest, ChangedShaderFailsTheComparison) {
    const FrameComparison comparison = compareFrame(renderScene(GetParam()), renderReference(GetParam()));
    EXPECT_FALSE(matchesReference(comparison))
        << "band mean " << comparison.bandMeanDifference << ", max " << comparison.bandMaxDifference << ", stars "
        << comparison.starShare << " against " << comparison.referenceStarShare;
}

INSTANTIATE_TEST_SUITE_P(Frames, AuroraSceneTest, kFrameCases);

}  // namespace
