#include "platform/display_options.h"

#include <charconv>

namespace {
constexpr std::string_view kWindowFlag = "-window=";
constexpr std::string_view kScaleFlag = "-scale=";

// Digits only, no sign or spaces, within [1, max].
bool readNumber(std::string_view text, int max, int& out) {
    if (text.empty() || text.size() > 6 || text.front() < '0' || text.front() > '9') {
        return false;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc{} && end == text.data() + text.size() && out >= 1 && out <= max;
}

std::string readWindow(std::string_view value, FieldRequest& field) {
    const std::size_t x = value.find('x');
    int w = 0;
    int h = 0;
    if (x == std::string_view::npos || !readNumber(value.substr(0, x), kMaxFieldSide, w) ||
        !readNumber(value.substr(x + 1), kMaxFieldSide, h)) {
        return "-window wants WIDTHxHEIGHT, each 1 to " + std::to_string(kMaxFieldSide) +
               " (for example -window=1280x720), not \"" + std::string(value) + "\"";
    }
    if (std::string problem = fieldSizeProblem(w, h); !problem.empty()) {
        return "-window=" + std::string(value) + ": " + problem;
    }
    field = fixedField(w, h);
    return {};
}

std::string readScale(std::string_view value, FieldRequest& field) {
    int n = 0;
    if (!readNumber(value, kMaxScale, n)) {
        return "-scale wants a whole number from 1 to " + std::to_string(kMaxScale) + ", not \"" +
               std::string(value) + "\"";
    }
    field = FieldRequest{FieldRequest::Kind::Scale, 0, 0, n};
    return {};
}
} // namespace

FieldRequest fixedField(int width, int height) {
    return FieldRequest{FieldRequest::Kind::Window, width, height, 1};
}

FieldRequest fullScreenField(int width, int height) {
    return FieldRequest{FieldRequest::Kind::Fixed, width, height, 1};
}

DisplayOptions readDisplayOptions(const std::vector<std::string>& args) {
    DisplayOptions out;
    bool window = false;
    bool scale = false;
    for (const std::string_view arg : args) {
        std::string error;
        if (arg.starts_with(kWindowFlag)) {
            window = true;
            error = readWindow(arg.substr(kWindowFlag.size()), out.field);
        } else if (arg.starts_with(kScaleFlag)) {
            scale = true;
            error = readScale(arg.substr(kScaleFlag.size()), out.field);
        }
        if (!error.empty()) {
            return {FieldRequest{}, error};
        }
    }
    if (window && scale) {
        return {FieldRequest{}, "-window and -scale cannot be used together"};
    }
    return out;
}
