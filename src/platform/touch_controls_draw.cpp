// The controls' looks: a translucent pad with an opaque rim and a sign, over the field.
#include "platform/touch_controls.h"

#include "geometry/outline_batch.h"

namespace {
// The rim's colour, which nothing else on the field has.
constexpr SDL_Color kRim{120, 255, 200, 255};

void drawSign(DrawSurface& surface, OutlineBatch& lines, const std::string& name,
              const SDL_Rect& b) {
    const int cx = b.x + b.w / 2;
    const int cy = b.y + b.h / 2;
    const int q = b.w / 4;
    if (name == "left" || name == "right") {
        const int tip = name == "left" ? cx - q : cx + q;
        const int back = name == "left" ? cx + q : cx - q;
        const SDL_Point arrow[] = {{back, cy - q}, {tip, cy}, {back, cy + q}, {back, cy - q}};
        lines.add(arrow, 4);
    } else if (name == "thrust") {
        const SDL_Point arrow[] = {
            {cx - q, cy + q}, {cx, cy - q}, {cx + q, cy + q}, {cx - q, cy + q}};
        lines.add(arrow, 4);
    } else if (name == "fire") {
        const SDL_Rect dot{cx - q / 2, cy - q / 2, q, q};
        surface.fillRect(dot);
    } else if (name == "end") {
        // A player's stop: a square block.
        const SDL_Rect block{cx - q, cy - q, 2 * q, 2 * q};
        surface.fillRect(block);
    } else if (name == "pause") {
        const SDL_Rect bars[] = {{cx - q, cy - q, q * 2 / 3, 2 * q},
                                 {cx + q / 3, cy - q, q * 2 / 3, 2 * q}};
        surface.fillRects(bars, 2);
    } else if (name == "settings") {
        // Three sliders, each knob at its own place.
        for (int i = -1; i <= 1; ++i) {
            const SDL_Point rail[] = {{cx - q, cy + i * q}, {cx + q, cy + i * q}};
            lines.add(rail, 2);
            const SDL_Rect knob{cx + i * q / 2 - 3, cy + i * q - 3, 7, 7};
            surface.fillRect(knob);
        }
    } else {
        // Help: an "H", the key it stands for.
        const SDL_Point left[] = {{cx - q, cy - q}, {cx - q, cy + q}};
        const SDL_Point right[] = {{cx + q, cy - q}, {cx + q, cy + q}};
        const SDL_Point bar[] = {{cx - q, cy}, {cx + q, cy}};
        lines.add(left, 2);
        lines.add(right, 2);
        lines.add(bar, 2);
    }
}
} // namespace

void TouchControls::draw(DrawSurface& surface) const {
    if (!shown) {
        return;
    }
    const SDL_Color colour = surface.colour();
    const SDL_BlendMode mode = surface.blend();
    for (const Control& c : placed) {
        if (isOff(c)) {
            continue;
        }
        const SDL_Rect box = fieldRect(c.rect);
        surface.setBlend(SDL_BLENDMODE_BLEND);
        surface.setColour(200, 220, 255, 50);
        surface.fillRect(box);
        surface.setBlend(SDL_BLENDMODE_NONE);
        surface.setColour(kRim);
        const SDL_Rect inner{box.x + 1, box.y + 1, box.w - 2, box.h - 2};
        // Each control's rim and sign go before the next control's pad covers them.
        OutlineBatch lines(surface);
        lines.add(box);
        lines.add(inner);
        drawSign(surface, lines, c.name, box);
    }
    surface.setBlend(mode);
    surface.setColour(colour);
}
