// A missile: a two-point segment (head, tail) that flies with a constant
// per-frame displacement, wraps at the field's edges and expires when its
// time to live runs out.
#pragma once

#include <SDL_rect.h>

#include "geometry/point.h"
#include "geometry/rect.h"
#include "objects/space_item.h"

class ShipWeapon : public SpaceItem {
  public:
    static constexpr int kWeaponPoints = 2;

    // spare is ignored; a ttl of 0 means 120.
    ShipWeapon(PointF tail, PointF head, float angle, int spare, int width, int height, float ttl);
    // Runs whenever the missile vector grows: the base starts afresh from the
    // field size and id, the flight state is copied, the anchors start at zero.
    ShipWeapon(const ShipWeapon& other);
    // Assignment copies everything: erasing a missile shifts the later ones by
    // assignment, and they must keep flying exactly as before.
    ShipWeapon& operator=(const ShipWeapon&) = default;
    ~ShipWeapon() override = default;

    void setAngle(float a) { fireAngle = a; }
    void setTTL(int t);
    int getTTL() const;
    void setTVelocity(float x, float y) { t_velocity = PointF(x, y); }
    void setVisible(bool b) { visible = b; }
    void moveTo(float x, float y);
    void setPosition(int x, int y);
    PointF getTip();
    // Inline: each rock tests it against every missile in flight, every frame.
    SDL_FRect getFRect() {
        frect = SDL_FRect{x_c - 7.0f, y_c - 7.0f, 13.0f, 13.0f};
        return frect;
    }

    void increaseMomentum(float amount);
    void applyReverseMomentum();
    void trans();
    void wrapMissile();

    MinMaxCords getMinMax();
    bool isOutOfBounds();
    void fixLost();

    // Heading from origin to target like the free getDirection, remembered in
    // dirAngle; equal points log the missile's own error line.
    float getDirection(const PointF& origin, const PointF& target);

    void printCords() override;

    PointF headAnchor;
    PointF tailAnchor;
    int wPointCount = kWeaponPoints;
    SDL_FPoint wCords[kWeaponPoints] = {{0.0f, 0.0f}, {0.0f, 0.0f}};
    float momentumBase = 1.75f;
    float speed = 1.75f;
    float TTL = 120.0f;
    float TTLReset = 120.0f;
    bool expired = false;
    float fireAngle = 30.0f;
    float dirAngle = 0.0f;
    PointF headOrigin;
    PointF tailOrigin;
};
