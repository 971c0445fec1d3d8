// One number for the maths module's results over a fixed table of arguments: the native tests,
// the Windows build under Wine and the browser must all print the same.
#pragma once

#include <cstdint>
#include <string>

std::uint64_t exactMathDigest();
// The digest as the tests and the browser print it: 16 hexadecimal digits.
std::string exactMathDigestText();
