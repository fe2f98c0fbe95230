// A drawing laid on a sheet (an image or a printed page): its bounding box fitted into a target rectangle of the
// device with one scale for both axes, centred, y upwards; and its entities as one painter path of true lines and
// arcs in the device's units.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class Drw;

class DrawingSheet {
public:
    // target: device units (y downwards). A drawing without entities, or of zero width and height, is centred in
    // target at one device unit per mm.
    DrawingSheet(const Drw& drawing, const QRectF& target);

    // The device point of drawing point (x, y) in mm.
    QPointF Map(double x, double y) const;
    // Device units per mm.
    double Scale() const { return scale; }

    // Every entity: lines as lines, arcs as arcs (a full circle when its ends are equal); a new subpath starts
    // wherever an entity does not begin exactly where the one before it ended.
    QPainterPath Path(const Drw& drawing) const;

private:
    void AddArc(QPainterPath& path, double xc, double yc, double r, double start, double sweep, double endX,
                double endY) const;

    double scale = 1;
    double originX = 0, originY = 0;  // device point of drawing point (0, 0)
};
