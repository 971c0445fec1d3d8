#include "replay/recording_words.h"

bool splitWords(std::string_view text, std::vector<std::string_view>& words, std::size_t limit) {
    words.clear();
    while (!text.empty()) {
        const std::size_t sp = text.find(' ');
        if (words.size() == limit) {
            return false;
        }
        words.push_back(text.substr(0, sp));
        if (sp == std::string_view::npos) {
            break;
        }
        text.remove_prefix(sp + 1);
    }
    return true;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

namespace {
int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

bool unescape(std::string_view text, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && hexValue(text[i + 2]) >= 0 &&
                   hexValue(text[i + 3]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 2]) * 16 + hexValue(text[i + 3]));
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

bool parseInput(const std::vector<std::string_view>& w, PlayerInput& in) {
    const bool upOrDown = w.size() > 2 && (w[2] == "down" || w[2] == "up");
    in = PlayerInput{};
    if (w[0] == "quit" && w.size() == 1) {
        return true;
    }
    if (w[0] == "key" && upOrDown && (w.size() == 3 || (w.size() == 4 && w[3] == "repeat"))) {
        in.kind = PlayerInput::Kind::Key;
        in.down = w[2] == "down";
        in.repeat = w.size() == 4;
        return parseNumber(w[1], in.code) && isPlayerInput(in);
    }
    if (w[0] == "mouse" && upOrDown && w.size() == 5) {
        in.kind = PlayerInput::Kind::Mouse;
        in.down = w[2] == "down";
        return parseNumber(w[1], in.code) && parseNumber(w[3], in.x) && parseNumber(w[4], in.y) &&
               isPlayerInput(in);
    }
    return false;
}

bool parseDigest(const std::vector<std::string_view>& w, StateDigest& d) {
    if (w.size() != kDigestParts.size() + 1) {
        return false;
    }
    for (std::size_t i = 1; i < w.size(); ++i) {
        const std::size_t eq = w[i].find('=');
        std::uint32_t value = 0;
        if (eq == std::string_view::npos || w[i].substr(0, eq) != kDigestParts[i - 1]) {
            return false;
        }
        std::string_view hex = w[i].substr(eq + 1);
        const char* end = hex.data() + hex.size();
        auto [ptr, ec] = std::from_chars(hex.data(), end, value, 16);
        if (ec != std::errc() || ptr != end || hex.empty()) {
            return false;
        }
        d.parts.emplace_back(std::string(w[i].substr(0, eq)), value);
    }
    return true;
}
