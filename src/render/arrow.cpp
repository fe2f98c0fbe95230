// The geometry of the direction arrow shared by the screen and bitmap renderers.
#include "render/arrow.h"

#include <cmath>

double ArrowSize(double extMinX, double extMinY, double extMaxX, double extMaxY)
{
    return (extMaxX - extMinX + extMaxY - extMinY) / 150;
}

bool ArrowWings(const Entity& entity, double size, double& w1x, double& w1y, double& w2x, double& w2y)
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
