// Base of every polygon object in the play field: a small integer polygon, a
// centre, the field's bounds and the motion fields the kinds share.
#pragma once

#include <SDL_rect.h>

#include "geometry/point.h"
#include "geometry/rect.h"

class SpaceItem {
  public:
    SpaceItem(int width, int height, int id);
    SpaceItem(const SpaceItem&) = default;
    SpaceItem& operator=(const SpaceItem&) = default;
    virtual ~SpaceItem() = default;

    void initDefaults();
    virtual void printCords();

    void move2Point(int dx, int dy);
    void rotate(float angle);
    MinMaxCords getMinMaxCords();
    bool areNegativeCords() const;
    Point getCenter() const;
    float calcVelocity();
    int getObjId() const { return obj_id; }
    void setObjId(int id) { obj_id = id; }
    void printObjId() const;

    bool withinX() const;
    bool withinY() const;
    bool isOffTop() const;
    bool isOffBottom() const;
    bool isOffLeft() const;
    bool isOffRight() const;
    void shiftDown();
    void shiftUp();
    void shiftRight();
    void shiftLeft();
    void wrapAround();
    // The field a kind's copy keeps: the bounds, wrap distances and screen size.
    void copyFieldOf(const SpaceItem& other);

    float headingOf() const;
    void pushAlongHeading();

    static constexpr int kMaxPoints = 5;

    int pointCount = 5;
    Point cords[kMaxPoints] = {{50, 50}, {25, 100}, {50, 90}, {75, 100}, {50, 50}};
    int boundBottom = 0;
    int boundRight = 0;
    int wrapHeight = 0;
    int wrapWidth = 0;
    int boundTop = 0;
    int boundLeft = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    float velocity = 0.0f;
    bool visible = true;
    MinMaxCords minMax;
    int obj_id = -1;
    float momentumMag = 0.0f;
    PointF t_velocity{1.6f, 1.6f};
    PointF momentum{0.0f, 0.0f};
    float x_c = 50.0f;
    float y_c = 75.0f;
    SDL_FRect frect{0.0f, 0.0f, 0.0f, 0.0f};
    float angle = 90.0f;
    float heading = 0.0f;
};
