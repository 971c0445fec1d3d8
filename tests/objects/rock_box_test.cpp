// The rock keeps its inset hit box between hit tests; whatever moved its outline, the
// answers must be those of a box built afresh from that outline.

#include <functional>
#include <iterator>

#include "objects/space_junk.h"
#include "support/kit.h"

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
