#include "selfcheck/start_checks.h"

#include <iostream>

#include "geometry/game_rand.h"
#include "geometry/rand.h"
#include "geometry/vec.h"
#include "objects/space_block.h"

RockCheck::RockCheck() : SpaceJunk(900, 600, -1, true) {}

std::unique_ptr<RockCheck> rockCheck() {
    auto tSJ = std::make_unique<RockCheck>();
    tSJ->extra = Point(0, 0);
    std::cout << "test_SpaceJunk()...." << std::endl;
    tSJ->extra = Point(900, 600);
    SpaceJunk second(900, 600, -1, true);
    static_cast<SpaceJunk&>(*tSJ) = second;
    return tSJ;
}

void rectScaleCheck(SpaceJunk& rock) {
    std::cout << "############ getFRect Scale Test #############" << std::endl;
    SDL_FRect a = rock.getFRect(false);
    std::cout << "rectA:(" << a.x << ", " << a.y << ", " << a.w << ", " << a.h << ")" << std::endl;
    SDL_FRect b = rock.getFRect(true);
    std::cout << "rectB:(" << b.x << ", " << b.y << ", " << b.w << ", " << b.h << ")" << std::endl;
}

void vectorCheck() {
    Vec v1(1.0f, 2.0f, 3.0f);
    Vec v2(3.0f, 0.0f, 4.0f);
    std::cout << "v1:" << v1 << std::endl;
    std::cout << "v2:" << v2 << std::endl;
    Vec sumV = v1 + v2;
    std::cout << "sumV = v1 + v2 =" << sumV << std::endl;
    v1 = sumV;
    std::cout << "Setting v1 to sumV =" << v1 << std::endl;
    Vec multV = 5.0f * v2;
    std::cout << "multV = 5 * v2 =" << multV << std::endl;
    multV.Normalize();
    std::cout << "multV.Normalize() =" << multV << std::endl;
    float fMultVecs = v1 * v2;
    std::cout << "fMultVecs = v1 * v2 =" << fMultVecs << std::endl;
}

void randintBlockCheck() {
    Rand tmpR;
    for (int i = 0; i < 5; ++i) {
        std::cout << "What is tmpR.randint(x, y):" << tmpR.randint(0, 2) << std::endl;
    }
    SpaceBlock block(900, 600, -1, true);
    MinMaxCords pMM = block.getMinMaxCords();
    std::cout << "pMM:max:" << pMM.max << ",min:" << pMM.min << std::endl;
}

void diceCheck() {
    std::cout << "Random value on [0, " << kGameRandMax << "]: " << gameRand();
    std::cout << "\nRoll 6-sided dice 20 times: ";
    for (int i = 0; i < 20; ++i) {
        int dice = 0;
        do {
            dice = gameRand() / 5461 + 1;
        } while (dice > 6);
        std::cout << (i > 0 ? " " : "") << dice;
    }
    std::cout << std::endl;
}
