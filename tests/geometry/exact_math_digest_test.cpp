#include "exact_math_digest.h"
#include "support/kit.h"

// The same in every build: native, the Windows build under Wine, and the browser (tests/web).
TEST(ExactMathDigestTest, TheModulesResultsOverTheFixedTableGiveOneDigestEverywhere) {
    EXPECT_EQ(exactMathDigestText(), "26a0a1ee3f3c76dd");
}
