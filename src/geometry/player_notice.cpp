#include "geometry/player_notice.h"

#include <iostream>
#include <utility>

namespace {
std::function<void(const std::string&)>& shower() {
    static std::function<void(const std::string&)> show;
    return show;
}
} // namespace

void tellPlayer(const std::string& text) {
    std::cerr << text << std::endl;
    if (shower()) {
        shower()(text);
    }
}

void setNoticeShower(std::function<void(const std::string& text)> show) {
    shower() = std::move(show);
}
