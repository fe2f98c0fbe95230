// The entity steps both renderers share: an entity drawn as a line or an arc in its colour, and the direction
// arrow at the end of a path. Renderer provides colorIndex, showArrows, the extents and DrawLine / DrawArc.
#pragma once

#include "model/drw.h"
#include "render/arrow.h"

// Two lines from the arrow's wing points to the entity's end, with the entity's layer; nothing when the wings
// cannot be computed.
template <typename Renderer>
void DrawArrowWith(Renderer& r, const Entity& entity)
{
    double w1x, w1y, w2x, w2y;
    double size = ArrowSize(r.extMinX, r.extMinY, r.extMaxX, r.extMaxY);
    if (!ArrowWings(entity, size, w1x, w1y, w2x, w2y))
        return;
    r.DrawLine(w1x, w1y, entity.x2, entity.y2, entity.layer);
    r.DrawLine(w2x, w2y, entity.x2, entity.y2, entity.layer);
}

// The entity in selection colour index when index > 0, then its arrow when arrows are shown and it ends its
// chain. The arrow takes the layer or default colour, never the selection colour.
template <typename Renderer>
void DrawEntityWith(Renderer& r, const Entity& entity, int index)
{
    if (index > 0)
        r.colorIndex = index;
    if (entity.isArc) {
        r.DrawArc(entity.x1, entity.y1, entity.x2, entity.y2, entity.xc, entity.yc, entity.clockwise, entity.layer);
    } else {
        r.DrawLine(entity.x1, entity.y1, entity.x2, entity.y2, entity.layer);
    }
    r.colorIndex = -1;
    if (r.showArrows && !entity.joinedNext)
        r.DrawArrow(entity);
}
