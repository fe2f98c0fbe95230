// The geometry of the direction arrow shared by the screen and bitmap renderers.
#include "render/arrow.h"

#include <cmath>

namespace {

// The general construction: the point at distance size back from the end, found by travelling along the entity,
// and the wings from the line's direction or from the point's angle about the arc's centre.
bool WingsAlongEntity(const Entity& entity, double size, double& w1x, double& w1y, double& w2x, double& w2y)
{
    EntityGeometry g = entity.Geometry();
    double px, py;
    ExtendStart(g, size - EntityLength(g), px, py);
    if (!std::isfinite(px) || !std::isfinite(py))
        return false;
    if (!entity.isArc) {
        double a = VectorAngle(entity.y2 - entity.y1, entity.x2 - entity.x1);
        w1x = px + size * std::cos(a + HalfPi);
        w1y = py + size * std::sin(a + HalfPi);
        w2x = px + size * std::cos(a - HalfPi);
        w2y = py + size * std::sin(a - HalfPi);
        return true;
    }
    bool nullVector = false;
    double b = VectorAngle(py - entity.yc, px - entity.xc, &nullVector);
    if (nullVector)
        return false;
    double rho = Distance(px, py, entity.xc, entity.yc);
    w1x = entity.xc + (rho - size) * std::cos(b);
    w1y = entity.yc + (rho - size) * std::sin(b);
    w2x = entity.xc + (rho + size) * std::cos(b);
    w2y = entity.yc + (rho + size) * std::sin(b);
    return true;
}

bool Finite(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

}  // namespace

double ArrowSize(double extMinX, double extMinY, double extMaxX, double extMaxY)
{
    return (extMaxX - extMinX + extMaxY - extMinY) / 150;
}

// Every path end gets an arrow, so the usual entities take a shorter road to the same points (without the angles
// and lengths the general construction computes): a line by its unit direction, an arc whose ends lie at one
// radius by turning its end back by size / radius. A line without direction and an arc whose ends lie at
// different radii go along the entity.
bool ArrowWings(const Entity& entity, double size, double& w1x, double& w1y, double& w2x, double& w2y)
{
    if (!entity.isArc) {
        const double dx = entity.x2 - entity.x1, dy = entity.y2 - entity.y1;
        if (std::fabs(dx) < Epsilon && std::fabs(dy) < Epsilon)
            return WingsAlongEntity(entity, size, w1x, w1y, w2x, w2y);
        const double length = std::sqrt(dx * dx + dy * dy);
        const double ux = dx / length, uy = dy / length;
        const double px = entity.x2 - size * ux, py = entity.y2 - size * uy;
        w1x = px - size * uy;
        w1y = py + size * ux;
        w2x = px + size * uy;
        w2y = py - size * ux;
        return Finite(w1x, w1y, w2x, w2y);
    }
    const double r = Distance(entity.x2, entity.y2, entity.xc, entity.yc);
    if (IsZero(r) || !IsZero(r - Distance(entity.x1, entity.y1, entity.xc, entity.yc)))
        return WingsAlongEntity(entity, size, w1x, w1y, w2x, w2y);
    const double b = VectorAngle(entity.y2 - entity.yc, entity.x2 - entity.xc) + (entity.clockwise ? size : -size) / r;
    const double c = std::cos(b), s = std::sin(b);
    w1x = entity.xc + (r - size) * c;
    w1y = entity.yc + (r - size) * s;
    w2x = entity.xc + (r + size) * c;
    w2y = entity.yc + (r + size) * s;
    return Finite(w1x, w1y, w2x, w2y);
}
