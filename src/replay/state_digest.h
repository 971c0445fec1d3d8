// A digest of the game's state after a frame, in named parts, so a replay can say
// which part went out of step first. Reads the objects through const views only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "flock/boid_flock.h"
#include "life/liff_blocks.h"
#include "objects/space_junk.h"
#include "objects/space_ship.h"
#include "portal/portal.h"
#include "weapons/manage_weapon.h"

struct StateView {
    std::uint32_t randState = 0;
    int frameTick = 0;
    const SpaceShip* ship = nullptr;
    int spriteAngle = 0;
    const std::vector<SpaceJunk>* rocks = nullptr;
    const ManageWeapon* weapons = nullptr;
    int score = 0;
    int level = 0;
    const BoidFlock* flock = nullptr;
    const LiffBlocks* liff = nullptr;
    const Portal* portal = nullptr;
};

struct StateDigest {
    // Fixed order: the first differing part is the one named.
    std::vector<std::pair<std::string, std::uint32_t>> parts;
    // Two hex digits per rock: its outline, then its centre (4 bits each), to name the rock.
    std::string rocks;

    bool operator==(const StateDigest&) const = default;
};

StateDigest digestState(const StateView& view);
// What differs first, as a reader would say it ("rock 12's outline"); nothing when equal.
std::optional<std::string> firstDifference(const StateDigest& expected, const StateDigest& actual);
// The part's name as a sentence fragment ("ship.pos" -> "the ship's position").
std::string describePart(const std::string& key);

// FNV-1a over raw bytes: exact, so a one-bit drift in a float shows.
class Fnv {
  public:
    template <typename T> Fnv& add(const T& value) {
        const auto* p = reinterpret_cast<const unsigned char*>(&value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            hash = (hash ^ p[i]) * 16777619u;
        }
        return *this;
    }
    Fnv& addBytes(const void* data, std::size_t size);
    std::uint32_t value() const { return hash; }

  private:
    std::uint32_t hash = 2166136261u;
};
