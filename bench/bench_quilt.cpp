// The quilting designs of the continuous paths benchmark.
#include "bench_quilt.h"

#include <cmath>

namespace {

constexpr double Cell = 20.0;  // mm
constexpr double CircleRadius = 5.0, DiamondHalf = 6.0;

// Turns the drawing by 45 degrees about the origin.
void TurnEighth(Drw& drw)
{
    const double c = std::sqrt(0.5);
    const auto turn = [c](double& x, double& y) {
        const double tx = c * x - c * y;
        y = c * x + c * y;
        x = tx;
    };
    for (Entity& e : drw.entities) {
        turn(e.x1, e.y1);
        turn(e.x2, e.y2);
        turn(e.xc, e.yc);
    }
}

void AddLinePath(Drw& drw, double x1, double y1, double x2, double y2)
{
    drw.AddLine(x1, y1, x2, y2, "GRIGLIA", ++drw.pathCount, false, false);
}

void AddClosed(Drw& drw, const std::vector<std::pair<double, double>>& corners, const char* layer)
{
    const int path = ++drw.pathCount;
    for (size_t k = 0; k < corners.size(); k++) {
        const auto [x1, y1] = corners[k];
        const auto [x2, y2] = corners[(k + 1) % corners.size()];
        drw.AddLine(x1, y1, x2, y2, layer, path, k > 0, k + 1 < corners.size());
    }
}

}  // namespace

Drw QuiltGrid(int cells, bool diamond)
{
    Drw drw;
    const double side = cells * Cell;
    AddClosed(drw, {{0, 0}, {side, 0}, {side, side}, {0, side}}, "CORNICE");
    for (int k = 1; k < cells; k++) {
        AddLinePath(drw, k * Cell, 0, k * Cell, side);
        AddLinePath(drw, 0, k * Cell, side, k * Cell);
    }
    for (int i = 0; i < cells; i++) {
        for (int j = 0; j < cells; j++) {
            const double cx = (i + 0.5) * Cell, cy = (j + 0.5) * Cell;
            if ((i + j) % 3 == 0) {
                drw.AddArc(cx + CircleRadius, cy, cx + CircleRadius, cy, cx, cy, false, "MOTIVI", ++drw.pathCount,
                           false, false);
            } else if ((i + j) % 3 == 1) {
                AddClosed(
                    drw,
                    {{cx - DiamondHalf, cy}, {cx, cy - DiamondHalf}, {cx + DiamondHalf, cy}, {cx, cy + DiamondHalf}},
                    "MOTIVI");
            }
        }
    }
    if (diamond)
        TurnEighth(drw);
    drw.modified = false;
    return drw;
}

Drw QuiltSides(int cells)
{
    Drw drw;
    for (int k = 0; k <= cells; k++) {
        for (int m = 0; m < cells; m++) {
            AddLinePath(drw, k * Cell, m * Cell, k * Cell, (m + 1) * Cell);
            AddLinePath(drw, m * Cell, k * Cell, (m + 1) * Cell, k * Cell);
        }
    }
    for (int i = 0; i < cells; i++) {
        for (int j = 0; j < cells; j++) {
            if ((i * cells + j) % 40 == 39)
                continue;
            const double cx = (i + 0.5) * Cell, cy = (j + 0.5) * Cell;
            const int path = ++drw.pathCount;
            drw.AddArc(cx + CircleRadius, cy, cx - CircleRadius, cy, cx, cy, false, "MOTIVI", path, false, true);
            drw.AddArc(cx - CircleRadius, cy, cx + CircleRadius, cy, cx, cy, false, "MOTIVI", path, true, false);
        }
    }
    drw.modified = false;
    return drw;
}
