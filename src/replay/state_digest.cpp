#include "replay/state_digest.h"

#include <array>
#include <cstdio>

namespace {

void addPoint(Fnv& h, PointF p) {
    h.add(p.x).add(p.y);
}

std::uint32_t shipPosition(const SpaceShip& s) {
    Fnv h;
    h.add(s.x_c).add(s.y_c);
    addPoint(h, s.posAnchor);
    addPoint(h, s.centerAnchor);
    addPoint(h, s.noseAnchor);
    for (const auto& p : s.shipCords) {
        h.add(p.x).add(p.y);
    }
    return h.value();
}

std::uint32_t shipVelocity(const SpaceShip& s) {
    Fnv h;
    addPoint(h, s.t_velocity);
    addPoint(h, s.momentum);
    h.add(s.momentumMag).add(s.velocity);
    return h.value();
}

std::uint32_t shipHeading(const SpaceShip& s, int spriteAngle) {
    return Fnv()
        .add(s.heading)
        .add(s.direction)
        .add(s.polyAngle)
        .add(s.angle)
        .add(spriteAngle)
        .value();
}

std::uint32_t rockOutline(const SpaceJunk& r) {
    Fnv h;
    h.addBytes(r.intCords, sizeof r.intCords);
    return h.add(r.rockPointCount).add(r.driftAngle).add(r.speed).value();
}

std::uint32_t rockCentre(const SpaceJunk& r) {
    return Fnv().add(r.x_c).add(r.y_c).add(r.getCenter().x).add(r.getCenter().y).value();
}

std::uint32_t missiles(const ManageWeapon& w) {
    Fnv h;
    for (const ShipWeapon& m : w.missiles) {
        h.add(m.x_c).add(m.y_c).add(m.TTL).add(m.expired).add(m.fireAngle);
        addPoint(h, m.t_velocity);
        h.addBytes(m.wCords, sizeof m.wCords);
    }
    return h.add(w.getNumMissiles()).value();
}

std::uint32_t boids(const BoidFlock& flock) {
    Fnv h;
    for (int i = 0; i < flock.count(); ++i) {
        const Boid& b = flock.getBoid(i);
        h.add(b.x).add(b.y).add(b.vx).add(b.vy);
    }
    return h.add(flock.getVisualRange()).value();
}

std::uint32_t liffCells(const LiffBlocks& liff) {
    Fnv h;
    for (const auto& row : liff.cells) {
        std::uint32_t bits = 0;
        for (std::size_t x = 0; x < row.size(); ++x) {
            bits = bits << 1 | static_cast<std::uint32_t>(row[x]);
            if (x % 32 == 31 || x + 1 == row.size()) {
                h.add(bits);
                bits = 0;
            }
        }
    }
    for (const Point& p : liff.lfpts) {
        h.add(p.x).add(p.y);
    }
    return h.add(liff.period).add(liff.frameCounter).add(liff.isFrozen()).value();
}

std::uint32_t portalState(const Portal& p) {
    Fnv h;
    for (const SDL_FRect& r : {p.getEndA(), p.getEndB()}) {
        h.add(r.x).add(r.y).add(r.w).add(r.h);
    }
    return h.add(p.isOpen()).add(p.getWaitTimer()).value();
}

char hexDigit(std::uint32_t v) {
    return "0123456789abcdef"[v & 0xfu];
}

// 4 bits of a mixed hash: enough to point at the first rock that moved differently.
std::uint32_t nibble(std::uint32_t h) {
    return h & 0xfu;
}

} // namespace

StateDigest digestState(const StateView& v) {
    StateDigest d;
    auto part = [&d](const char* key, std::uint32_t value) { d.parts.emplace_back(key, value); };
    part("rng", v.randState);
    part("tick", static_cast<std::uint32_t>(v.frameTick));
    part("ship.pos", shipPosition(*v.ship));
    part("ship.vel", shipVelocity(*v.ship));
    part("ship.heading", shipHeading(*v.ship, v.spriteAngle));
    part("rocks", static_cast<std::uint32_t>(v.rocks->size()));
    Fnv all;
    for (const SpaceJunk& rock : *v.rocks) {
        const std::uint32_t outline = rockOutline(rock);
        const std::uint32_t centre = rockCentre(rock);
        all.add(outline).add(centre);
        d.rocks += hexDigit(nibble(outline));
        d.rocks += hexDigit(nibble(centre));
    }
    part("rock.shapes", all.value());
    part("missiles", missiles(*v.weapons));
    part("score", static_cast<std::uint32_t>(v.score));
    part("level", static_cast<std::uint32_t>(v.level));
    part("magazine", static_cast<std::uint32_t>(v.weapons->getMaxMissiles()));
    part("boids", boids(*v.flock));
    part("liff", liffCells(*v.liff));
    part("portal", portalState(*v.portal));
    return d;
}

std::string describePart(const std::string& key) {
    static const std::array<std::pair<const char*, const char*>, 15> names{{
        {"rng", "the random generator"},
        {"tick", "the frame counter"},
        {"ship.pos", "the ship's position"},
        {"ship.vel", "the ship's velocity"},
        {"ship.heading", "the ship's heading"},
        {"rocks", "the number of rocks"},
        {"rock.shapes", "the rocks"},
        {"missiles", "the missiles"},
        {"score", "the score"},
        {"level", "the level"},
        {"magazine", "the magazine"},
        {"boids", "the boids"},
        {"liff", "the Liff cells"},
        {"portal", "the portal"},
        {"clock", "the clock readings"},
    }};
    for (const auto& [k, name] : names) {
        if (key == k) {
            return name;
        }
    }
    return key;
}

std::optional<std::string> firstDifference(const StateDigest& expected, const StateDigest& actual) {
    for (std::size_t i = 0; i < expected.parts.size(); ++i) {
        if (i >= actual.parts.size()) {
            return describePart(expected.parts[i].first);
        }
        if (expected.parts[i] == actual.parts[i]) {
            continue;
        }
        const std::string& key = expected.parts[i].first;
        if (key != "rock.shapes") {
            return describePart(key);
        }
        for (std::size_t c = 0; c < expected.rocks.size() && c < actual.rocks.size(); ++c) {
            if (expected.rocks[c] != actual.rocks[c]) {
                return "rock " + std::to_string(c / 2) + (c % 2 == 0 ? "'s outline" : "'s centre");
            }
        }
        return describePart(key);
    }
    if (actual.parts.size() > expected.parts.size()) {
        return describePart(actual.parts[expected.parts.size()].first);
    }
    return std::nullopt;
}

std::string foldedDigest(const StateDigest& digest) {
    Fnv f;
    for (const auto& [key, value] : digest.parts) {
        f.addBytes(key.data(), key.size()).add(value);
    }
    f.addBytes(digest.rocks.data(), digest.rocks.size());
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(f.value()));
    return text;
}
