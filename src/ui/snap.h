// Snapping of the drawing tools' cursor point: to the nearest entity end or arc centre within the capture radius
// (object snap), else to the nearest grid point (grid snap), as the machine work data switch them.
#pragma once

class Drw;
class ParLav;
class ViewTransform;

// A cursor point in mm with its pixel; snapped tells whether snapping moved it to an end, centre or grid point
// (grid snap always counts as snapped, even when the point already lay on the grid).
struct SnappedPoint {
    double x = 0, y = 0;
    int px = 0, py = 0;
    bool snapped = false;
};

// The nearest of the entities' start points, end points and arc centres, in index order, whose distance d from
// (x, y) is at most radius (d < radius + Epsilon); a later candidate wins only when nearer by more than Epsilon,
// so the first of equally near candidates stays. Returns false and leaves (x, y) alone when none qualifies.
bool SnapToEntity(const Drw& drawing, double radius, double& x, double& y);

// Moves (x, y) to the nearest multiple of the steps gx, gy (mm, positive), halves away from zero.
void SnapToGrid(double gx, double gy, double& x, double& y);

// The cursor point (x, y) at pixel (px, py) after the snaps that work data switch on: object snap first, grid
// snap (with the view's grid steps, shown or not) only when object snap found nothing. A snapped point's pixel is
// recomputed from the view; with both switches off the point and pixel come back as given, unsnapped.
SnappedPoint SnapCursor(const Drw& drawing, const ViewTransform& view, const ParLav& work, double x, double y, int px,
                        int py);
