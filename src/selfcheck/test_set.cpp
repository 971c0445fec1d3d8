#include "selfcheck/test_set.h"

#include <iostream>
#include <string>

#include "geometry/angles.h"
#include "geometry/numeric.h"
#include "geometry/point.h"
#include "objects/space_junk.h"

namespace {

constexpr int kFieldW = 900;
constexpr int kFieldH = 600;

SpaceItem itemNamed(const char* name) {
    return SpaceItem(kFieldW, kFieldH, strChecksum(name));
}

void testNegativeCords() {
    SpaceItem item = itemNamed("Test_areNegativeCords");
    if (item.areNegativeCords()) {
        std::cout << "areNegativeCords()... Test failed!\n";
    } else {
        std::cout << "areNegativeCords()...Test passed\n";
    }
}

bool testRotateSmoke(SpaceItem& item) {
    std::cout << "Test...rotate(-90)...\n";
    item.move2Point(200, 200);
    std::cout << "After .move2Point(200,200)...\n";
    item.printCords();
    std::cout << "After .printCords()...\n";
    item.rotate(-90);
    std::cout << "After .rotate(-90)...\n";
    if (item.areNegativeCords()) {
        std::cout << "Failure state after rotate(-90)\n";
        item.printCords();
        return false;
    }
    return true;
}

void testPrintAndRotate() {
    SpaceItem item = itemNamed("Test_printCords");
    std::cout << "Test...printCords()...\n";
    std::cout << "~+~##### Print Default Cords #####~+~\n";
    item.printCords();
    item.move2Point(250, 100);
    std::cout << "Test...rotate(angle)...\n";
    item.rotate(90);
}

void testCenter() {
    SpaceItem sItem = itemNamed("Test_getCenter");
    std::cout << "sItem.getCenter() =" << sItem.getCenter() << std::endl;
    std::cout << "getDirection() test =>"
              << getDirection(PointF(100.0f, 100.0f), PointF(150.0f, 100.0f)) << std::endl;
}

void testAngles() {
    std::cout << "Degree2rad Input 1.0 and returns =>" << degree2rad(1.0f) << std::endl;
    std::cout << "Does degree2rad returns 1  if given input of rad2degree(1) ==>"
              << degree2rad(static_cast<float>(rad2degree(1.0))) << std::endl;
    std::cout << "This should be 2? " << cosecDeg(30.0f) << std::endl;
}

void testPoints() {
    Point p1(100, 50);
    Point p2(190, 50);
    Point p3(100, 40);
    Point p4(100, 50);
    std::cout << "p1 = " << p1 << std::endl;
    std::cout << "p2 = " << p2 << std::endl;
    std::cout << "p3 = " << p3 << std::endl;
    std::cout << "p4 = " << p4 << std::endl;
    std::cout << "not(p1 == p2)" << (!(p1 == p2) ? ", True...\n" : "Fail...");
    if (!(p1 == p3)) {
        std::cout << "not(pt1 == pt3), True...\n";
    }
    if (p1 == p4) {
        std::cout << "(pt1 == pt4), True...\n";
    }
}

void testSpaceJunkSmoke(const std::string& name) {
    SpaceJunk rock(kFieldW, kFieldH, strChecksum(name.c_str()), true);
    std::cout << "Test_SpaceJunk_Smoke(...)...for Object:'" << name << "'\n";
}

} // namespace

int runTestSet() {
    SpaceItem rotateItem = itemNamed("Test_rotate_smoke");
    return runTestSet(rotateItem);
}

int runTestSet(SpaceItem& rotateItem) {
    std::cout << "Create Space Item Object\n";
    SpaceItem item(kFieldW, kFieldH, strChecksum("Fart"));
    testNegativeCords();
    if (!testRotateSmoke(rotateItem)) {
        std::cout << "Failed Test_rotate_smoke()...\n";
        return 1;
    }
    testPrintAndRotate();
    testCenter();
    testAngles();
    testPoints();
    testSpaceJunkSmoke("Pebble");
    testSpaceJunkSmoke("Big Lumpy Rock From Far Away");
    return 0;
}
