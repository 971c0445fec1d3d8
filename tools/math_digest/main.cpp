// Prints the maths module's digest: the browser test runs this in the page's own engine.
#include <cstdio>

#include "exact_math_digest.h"

int main() {
    std::printf("exact maths digest %s\n", exactMathDigestText().c_str());
    return 0;
}
