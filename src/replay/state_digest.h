// A digest of the game's state after a frame, in named parts, so a replay can say
// which part went out of step first. Reads the objects through const views only.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <type_traits>
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

// The parts a digest holds, in their fixed order.
inline constexpr std::array<const char*, 14> kDigestParts = {
    "rng",      "tick",  "ship.pos", "ship.vel", "ship.heading", "rocks", "rock.shapes",
    "missiles", "score", "level",    "magazine", "boids",        "liff",  "portal"};

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
// The whole digest as one 8-digit hex number, to compare a run across machines in one line.
std::string foldedDigest(const StateDigest& digest);

// FNV-1a taken a 32-bit word at a time (a recorded frame hashes every rock and missile, so
// it must be cheap), finished with a mixer so a change in any bit reaches every bit.
// Exact: a one-bit drift in a float shows.
class Fnv {
  public:
    template <typename T> Fnv& add(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        return addBytes(&value, sizeof(T));
    }
    Fnv& addBytes(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        std::size_t i = 0;
        for (; i + 4 <= size; i += 4) {
            std::uint32_t word;
            std::memcpy(&word, p + i, 4); // a plain load, not a call
            hash = (hash ^ word) * 16777619u;
        }
        if (i < size) {
            std::uint32_t word = 0;
            std::memcpy(&word, p + i, size - i);
            hash = (hash ^ word) * 16777619u;
        }
        return *this;
    }
    std::uint32_t value() const {
        std::uint32_t h = hash;
        h ^= h >> 16;
        h *= 0x85ebca6bu;
        h ^= h >> 13;
        h *= 0xc2b2ae35u;
        return h ^ (h >> 16);
    }

  private:
    std::uint32_t hash = 2166136261u;
};
