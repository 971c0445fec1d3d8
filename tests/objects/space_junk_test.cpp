#include "objects/space_junk.h"

#include <cstring>
#include <functional>
#include <iterator>

#include "objects/shifted_rock.h"
#include "objects/ship_weapon.h"
#include "objects/space_item.h"
#include "support/kit.h"

// Point 3 of the default outline is (4, 31).
TEST(SpaceJunkTest, ACopyCarriesTheRockOverButWorksOutItsCentreAfresh) {
    SpaceJunk rock(900, 600, 9, false);
    std::tie(rock.boundBottom, rock.boundRight, rock.wrapHeight, rock.wrapWidth, rock.boundTop,
             rock.boundLeft) = std::tuple(601, 902, 603, 904, 5, 6);
    std::tie(rock.driftAngle, rock.speed, rock.stepX, rock.stepY, rock.hit, rock.alive,
             rock.sizeDivisor) = std::tuple(12.5f, 7.5f, 0.25f, -0.5f, true, false, 2.0f);
    rock.rockCords[4] = {11.5f, 22.5f};
    rock.t_velocity = PointF(3.0f, -2.0f);
    rock.move2Point(100, 200);
    const SpaceJunk c(rock); // what a copy carries over, and its centre afresh
    EXPECT_EQ(std::tuple(c.boundBottom, c.boundRight, c.wrapHeight, c.wrapWidth, c.boundTop,
                         c.boundLeft, c.screenWidth, c.obj_id, c.rockCords[4].x, c.rockCords[4].y,
                         c.driftAngle, c.speed, c.stepX, c.stepY, c.hit, c.alive, c.sizeDivisor,
                         c.t_velocity.x, c.t_velocity.y, c.x_c, c.y_c, c.cords[0]),
              std::tuple(601, 902, 603, 904, 5, 6, 900, 9, 11.5f, 22.5f, 12.5f, 7.5f, 0.25f, -0.5f,
                         true, false, 2.0f, 3.0f, -2.0f, 50.0f, 75.0f, Point(50, 50)));
}

// Point 3 after fixLostRock on a 900 x 600 field; min x -5.5 truncates to -5 and stays.
TEST(SpaceJunkTest, ALostRockWrapsOnlyOnceWhollyPastAnEdge) {
    const float rows[][4] = {{-7, 0, -3, 31},    {-9, 0, -5, 31},       {-9.5f, 0, -5.5f, 31},
                             {-10, 0, 894, 31},  {900.5f, 0, 0.5f, 31}, {860, 560, -36, 591},
                             {0, 560, 4, -9},    {0, -15, 4, 16},       {0, -16, 4, 615},
                             {850, 560, 854, -9}}; // the right edge on the field's: only y wraps
    for (const auto& r : rows) {
        SpaceJunk rock = shiftedRock(r[0], r[1]);
        rock.fixLostRock();
        EXPECT_EQ(std::tuple(rock.rockCords[3].x, rock.rockCords[3].y), std::tuple(r[2], r[3]));
    }
    // A move checks the bounds: leftmost x 899 stays on a 900-wide field, 900 is lost.
    for (const auto& [dx, x] : {std::pair(895.0f, 899.0f), std::pair(896.0f, 0.0f)}) {
        SpaceJunk rock = shiftedRock(dx, 0);
        rock.moveRock(0, 0);
        EXPECT_EQ(rock.rockCords[3].x, x) << dx;
    }
}

// Point 0 starts at x 25: fitSize shrinks by 0.85 past x 150 or from y 151, then grows by
// 2.125 under 120 (judging the outline as it was); scaleBy floors tiny factors at 0.25.
TEST(SpaceJunkTest, FitSizeAndScaleByKeepRocksBetweenTheirBoundaries) {
    const float sizes[][3] = {
        {130, 150, 1},      {130, 150.9f, 1},          {130, 151, 0.85f}, {130, 151.9f, 0.85f},
        {150, 130, 1},      {151, 130, 0.85f},         {120, 120, 1},     {119, 130, 2.125f},
        {130, 119, 2.125f}, {200, 100, 0.85f * 2.125f}};
    for (const auto& r : sizes) {
        SpaceJunk rock = shiftedRock(0, 0);
        rock.rockCords[9] = {r[0], 29.0f};
        rock.rockCords[6] = {20.0f, r[1]};
        rock.fitSize();
        EXPECT_FLOAT_EQ(rock.rockCords[0].x, 25.0f * r[2]) << r[0] << "," << r[1];
    }
    const float scales[][2] = {{0, 0.25f}, {0.1f, 0.25f}, {-1, 0.25f}, {0.125f, 0.125f}, {2, 2}};
    for (const auto& s : scales) {
        SpaceJunk rock = shiftedRock(0, 0);
        rock.scaleBy(s[0]);
        EXPECT_EQ(std::tuple(rock.rockCords[0].x, rock.rockCords[6].y),
                  std::tuple(25 * s[1], 57 * s[1]));
    }
}

// A wrap moves every outline point by the field's size; centre (x, y), move (dx, dy).
TEST(SpaceJunkTest, AWrapMovesEveryOutlinePoint) {
    const float wraps[][4] = {
        {50, -1, 0, 600}, {50, 601, 0, -600}, {-1, 75, 900, 0}, {901, 75, -900, 0}};
    for (const auto& r : wraps) {
        SpaceJunk rock = shiftedRock(0, 0);
        std::tie(rock.x_c, rock.y_c) = std::tuple(r[0], r[1]);
        rock.wrapRock();
        const SpaceJunk home = shiftedRock(r[2], r[3]);
        EXPECT_EQ(std::memcmp(rock.rockCords, home.rockCords, sizeof home.rockCords), 0)
            << "a point left behind at " << r[0] << "," << r[1];
    }
}

// Where the inset box lies, how a rock drifts and the shapes its draws give, the kept-box test
// and the stored recordings hold; the flags a hit sets they do not.
TEST(SpaceJunkTest, AHitOnTheInsetBoxMarksTheRock) {
    SpaceJunk rock = shiftedRock(0, 0); // the inset box spans x 17..38, y 23..45
    EXPECT_FALSE(rock.hitBy(SDL_FRect{38.5f, 23.0f, 13.0f, 13.0f}));
    EXPECT_EQ(std::tuple(rock.hit, rock.alive), std::tuple(false, true));
    EXPECT_TRUE(rock.hitBy(SDL_FRect{38.0f, 23.0f, 13.0f, 13.0f}));
    EXPECT_EQ(std::tuple(rock.hit, rock.alive), std::tuple(true, false));
}

// The rock keeps its inset hit box between hit tests; whatever moved its outline, the
// answers must be those of a box built afresh from that outline.
TEST(RockBoxTest, AKeptBoxAnswersLikeAFreshOneAfterEveryOutlineChange) {
    setCalendarClock([] { return std::time_t{1700000000}; });
    SpaceJunk rock(1920, 1080, 1, true);
    rock.hitBy({-999, -999, 1, 1}); // the box is now kept
    const std::function<void()> steps[] = {[&] { rock.moveRock(900, 400); },
                                           [&] { rock.scaleBy(1.5f); },
                                           [&] { rock.fixLostRock(); },
                                           [&] { rock.jitterShape(); },
                                           [&] { rock.fitSize(); },
                                           [&] { rock.closeShape(); },
                                           [&] { rock.move2Point(-3000, 0), rock.wrapRock(); },
                                           [&] { rock.updateRock(); }};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i]();
        SpaceJunk fresh(1920, 1080, 1, false);
        std::copy(std::begin(rock.rockCords), std::end(rock.rockCords),
                  std::begin(fresh.rockCords));
        const SDL_FRect r = fresh.getFRect(true);
        // 13 x 13 boxes touching each side of the fresh inset box, then half a pixel beyond.
        for (float gap : {0.0f, 0.5f}) {
            for (SDL_FRect probe :
                 {SDL_FRect{r.x - 13 - gap, r.y, 13, 13}, SDL_FRect{r.x + r.w + gap, r.y, 13, 13},
                  SDL_FRect{r.x, r.y - 13 - gap, 13, 13},
                  SDL_FRect{r.x, r.y + r.h + gap, 13, 13}}) {
                SpaceJunk tested(1, 1, 1, false);
                tested = rock; // assignment carries the kept box over
                EXPECT_EQ(tested.hitBy(probe), gap == 0.0f) << "step " << i;
            }
        }
    }
    setCalendarClock({});
}

TEST(SpaceItemTest, MinMaxKeepsTheEarlierPointOnTies) {
    SpaceItem item(900, 600, -1);
    item.minMax.min_idx = Point(7, 7);
    const MinMaxCords m = item.getMinMaxCords();
    // Point 0 supplies the smallest y; point 1 is the first of the two at y = 100.
    EXPECT_EQ(std::tuple(m.min, m.max, m.min_idx, m.max_idx),
              std::tuple(Point(25, 50), Point(75, 100), Point(1, 7), Point(3, 1)));
    // Ties on x too: points 2 and 4 repeat the smallest and the largest x.
    item.cords[2] = {25, 90};
    item.cords[4] = {75, 50};
    EXPECT_EQ(std::pair(item.getMinMaxCords().min_idx, item.minMax.max_idx),
              std::pair(Point(1, 7), Point(3, 1)));
}

// Centre before and after, on a 900 x 600 field whose bottom bound is 500: shiftDown adds the
// bound, shiftUp takes the wrap height; on a bound or past a corner nothing moves.
TEST(SpaceItemTest, AnItemPastOneEdgeWrapsAcrossTheField) {
    const float centres[][4] = {{-3, 100, 897, 100},  {903, 100, 3, 100}, {450, -3, 450, 497},
                                {450, 503, 450, -97}, {-3, -3, -3, -3},   {0, -3, 0, -3},
                                {900, -3, 900, -3},   {-3, 500, -3, 500}};
    for (const auto& [x, y, wx, wy] : centres) {
        SpaceItem wrapped(900, 600, -1);
        wrapped.boundBottom = 500;
        std::tie(wrapped.x_c, wrapped.y_c) = std::tuple(x, y);
        wrapped.wrapAround();
        EXPECT_EQ(std::tuple(wrapped.x_c, wrapped.y_c, wrapped.cords[3], wrapped.boundRight),
                  std::tuple(wx, wy,
                             Point(75 + static_cast<int>(wx - x), 100 + static_cast<int>(wy - y)),
                             900))
            << x << "," << y;
    }
}

// A quarter turn about the centre (50, 75), worked by hand: x = |dx cos - dy sin - 50|,
// y = |dx sin + dy cos + 75|; cos 90 is -4.4e-8 in float and vanishes in the rounding. A push
// of 30 adds a whole third of it along the heading: up (0), then left (270).
TEST(SpaceItemTest, TurnsAboutItsCentreAndPushesAlongItsHeading) {
    SpaceItem turned(900, 600, -1);
    turned.rotate(90);
    EXPECT_EQ(std::vector<Point>(turned.cords, turned.cords + 5),
              (std::vector<Point>{{25, 75}, {75, 50}, {65, 75}, {75, 100}, {25, 75}}));
    SpaceItem up(900, 600, -1);
    up.momentumMag = turned.momentumMag = 30;
    up.pushAlongHeading(), turned.pushAlongHeading();
    EXPECT_EQ(std::tuple(up.t_velocity.x, up.t_velocity.y, turned.t_velocity.x, turned.t_velocity.y,
                         turned.heading),
              std::tuple(1.6f, 1.6f - 10, 1.6f - 10, 1.6f, 270.0f));
}

TEST(SpaceItemTest, TheCentreTruncatesTowardZero) {
    SpaceItem item(900, 600, -1);
    std::tie(item.x_c, item.y_c) = std::tuple(49.9f, -0.5f);
    EXPECT_EQ(item.getCenter(), Point(49, 0));
    item.x_c = -0.5f;
    EXPECT_EQ(item.getCenter(), Point(0, 0));
}

TEST(ShipWeaponTest, AMissileLivesItsTimeThenStopsWhereItIs) {
    const float rows[][3] = {{0, 120, 240}, {5, 5, 10}}; // ttl given, ttl kept, transes lived
    for (const auto& r : rows) {
        SCOPED_TRACE(r[0]);
        ShipWeapon w(PointF(100, 300), PointF(100, 300), 0.0f, 0, 900, 600, r[0]);
        w.setTVelocity(0.5f, 0.0f);
        for (int i = 0; i < static_cast<int>(r[2]); ++i) {
            w.trans();
        }
        const float x = 100.0f + 0.5f * r[2];
        EXPECT_EQ(std::tuple(w.expired, w.x_c), std::tuple(false, x));
        w.trans();
        // Expiry resets the time to live and stops the missile where it is.
        EXPECT_EQ(std::tuple(w.expired, w.x_c, w.TTL, w.speed, w.t_velocity.x),
                  std::tuple(true, x, r[1], 0.0f, 0.0f));
    }
}

// Tail (x, y) and head 3 right of it and 4 above, on a 1920 x 1080 field.
TEST(ShipWeaponTest, AMissilePastAnEdgeWrapsWhole) {
    const float wraps[][4] = {
        {500, -2, 500, 1078}, {500, 1082, 500, 2}, {-2, 500, 1918, 500}, {1922, 500, 2, 500}};
    for (const auto& r : wraps) {
        ShipWeapon w(PointF(r[0], r[1]), PointF(r[0] + 3, r[1] - 4), 0.0f, 0, 1920, 1080, 0.0f);
        w.wrapMissile();
        EXPECT_EQ(
            std::tuple(w.x_c, w.y_c, w.wCords[1].x, w.wCords[1].y, w.wCords[0].x, w.wCords[0].y),
            std::tuple(r[2], r[3], r[2], r[3], r[2] + 3, r[3] - 4));
    }
    // The old width check still speaks: below 901 pixels a wrap from the left says so.
    for (const int width : {900, 901}) {
        ShipWeapon w(PointF(-2, 500), PointF(1, 496), 0.0f, 0, width, 1080, 0.0f);
        testing::internal::CaptureStdout();
        w.wrapMissile();
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  width == 900 ? "wrong value for SCREEN_WIDTH\n" : "")
            << width;
    }
}

// Tail, head, then both after fixLost on 1920 x 1080: past the right or lower bound plus 50 it
// goes to -50; below -50 to the left bound plus 50 or the lower bound plus 50.
TEST(ShipWeaponTest, ALostMissileIsBroughtBackBesideTheField) {
    const float lost[][6] = {{100, 100, 1975, 100, -50, 100}, {100, 100, 100, 1135, 100, -50},
                             {100, 100, -55, 100, 50, 100},   {100, 100, 100, -55, 100, 1130},
                             {1975, 100, 100, 100, -50, 100}, {100, 1135, 100, 100, 100, -50}};
    for (const auto& [tx, ty, hx, hy, x, y] : lost) {
        ShipWeapon w(PointF(tx, ty), PointF(hx, hy), 0.0f, 0, 1920, 1080, 0.0f);
        w.fixLost();
        EXPECT_EQ(
            std::tuple(w.x_c, w.y_c, w.wCords[0].x, w.wCords[0].y, w.wCords[1].x, w.wCords[1].y),
            std::tuple(x, y, x, y, x, y))
            << hx << "," << hy;
    }
    ShipWeapon edge(PointF(1970, 1130), PointF(-50, -50), 0.0f, 0, 1920, 1080, 0.0f);
    edge.fixLost();
    EXPECT_EQ(std::tuple(edge.x_c, edge.y_c, edge.wCords[0].x),
              std::tuple(1970.0f, 1130.0f, -50.0f))
        << "on the margins themselves";
}

TEST(ShipWeaponTest, ItsHitBoxIsThirteenPixelsAboutItsCentre) {
    ShipWeapon hitBox(PointF(100, 200), PointF(100, 200), 0.0f, 0, 1920, 1080, 0.0f);
    const SDL_FRect box = hitBox.getFRect();
    EXPECT_EQ(std::tuple(box.x, box.y, box.w, box.h), std::tuple(93.0f, 193.0f, 13.0f, 13.0f));
}
