// The hero: an 80 x 80 sprite with a seven-point outline that follows it,
// turned in steps, thrust along its heading, capped in speed and wrapped at
// the screen edges.
#pragma once

#include <SDL_rect.h>
#include <SDL_render.h>

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/draw_surface.h"
#include "geometry/point.h"
#include "objects/space_item.h"

class SpaceJunk;

class SpaceShip : public SpaceItem {
  public:
    static constexpr int kShipPoints = 7;

    // The textures belong to the renderer: the ship never destroys them, so
    // copies may share them.
    SpaceShip(DrawSurface& surface, const std::string& imagePath, Point windowSize);

    void loadShieldImages(const std::vector<std::string>& paths);
    void loadThrustShieldImages(const std::vector<std::string>& paths);
    void addThrustImage(const std::string& path);

    void movePolygonTo(float x, float y);
    void updateShip();
    void thrust(float amount);
    void applyMomentum();
    void decayMomentum();
    void translate();
    void wrapShip();

    void turnRight(std::int64_t& polyCounter, int& spriteCounter);
    void turnLeft(std::int64_t& polyCounter, int& spriteCounter);
    // Turns baseCords about pivotLocal; successive calls compound.
    void rotate(float angle);
    void drawSprite(float angle);

    bool collidesWith(SpaceJunk& rock);
    void bounceOffRock(SpaceJunk& rock);

    SDL_Rect boundingRect();
    const SDL_Point* outlinePoints();
    PointF nosePoint();
    PointF centerPoint();
    PointF getXY();
    PointF getTVelocity() const { return t_velocity; }
    float getMomentumMag() const { return momentumMag; }

    void toggleShield() { shieldOn = !shieldOn; }
    void recentre();
    void centerPolygon();
    void teleport(int x, int y);
    void syncToSprite();

    void printCords() override;
    void printPoly() const;
    void setRenderTarget(DrawSurface& target);

    float polyAngle = 0.0f;
    float spriteAngle = 0.0f;
    float direction = 0.0f;
    bool skipMove = true;
    DrawSurface* surface = nullptr;
    PointF noseAnchor{0.0f, 0.0f};
    PointF centerAnchor{0.0f, 0.0f};
    PointF posAnchor{0.0f, 0.0f};
    Point spriteOffset{17, 6};
    Point pivotLocal{25, 25};
    int shipPointCount = kShipPoints;
    SDL_FPoint shipCords[kShipPoints] = {{25, 0},  {15, 15}, {0, 50}, {25, 40},
                                         {50, 50}, {35, 15}, {25, 0}};
    SDL_FPoint baseCords[kShipPoints] = {{25, 0},  {15, 15}, {0, 50}, {25, 40},
                                         {50, 50}, {35, 15}, {25, 0}};
    SDL_Point drawPoints[kShipPoints] = {{50, 50},  {40, 65}, {25, 100}, {50, 90},
                                         {75, 100}, {60, 65}, {50, 50}};
    SDL_FRect spriteRect{0.0f, 0.0f, 80.0f, 80.0f};
    SDL_Texture* baseTexture = nullptr;
    std::vector<SDL_Texture*> thrustTextures;
    std::vector<SDL_Texture*> shieldTextures;
    std::vector<SDL_Texture*> thrustShieldTextures;
    int thrustFrames = 10;
    int thrustCounter = 0;
    SDL_Rect boundsRect{0, 0, 0, 0};
    bool shieldOn = false;
    int shieldCounter = 0;

  private:
    SDL_Texture* loadTexture(const std::string& path) const;
    // Sprite centred in the window, stopped, outline moved onto it; recentring also
    // adds the centring offset first (the outline is not reset before).
    void placeCentred(bool centringOffset);

    void drawFrame(SDL_Texture* texture, float angle) const;
};
