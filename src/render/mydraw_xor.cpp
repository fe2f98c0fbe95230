// myDraw's XOR feedback: the rubber-band rectangle, the previews of the drawing tools and the snap marker. Each
// figure is drawn with a white XOR pen and erased by drawing it again at the pixels remembered for it.
#include <cmath>

#include "geometry/mymath.h"
#include "render/mydraw.h"

void myDraw::SetXorPen(bool on)
{
    if (canvas == nullptr)
        return;
    if (on) {
        savedPenMode = canvas->GetPenMode();
        canvas->SetPen(RgbColor(255, 255, 255), 1, PenStyleSolid);
        canvas->SetPenMode(PenMode::Xor);
    } else {
        canvas->SetPenMode(savedPenMode);
    }
}

myDraw::PixelPoint myDraw::PixelOf(double x, double y) const
{
    PixelPoint p;
    ToPixel(x, y, p.x, p.y);
    return p;
}

// ---- Figures ----

void myDraw::XorRect(PixelPoint a, PixelPoint c)
{
    canvas->MoveTo(a.x, a.y);
    canvas->LineTo(a.x, c.y);
    canvas->LineTo(c.x, c.y);
    canvas->LineTo(c.x, a.y);
    canvas->LineTo(a.x, a.y);
}

void myDraw::XorSegment(PixelPoint a, PixelPoint c)
{
    canvas->MoveTo(a.x, a.y);
    canvas->LineTo(c.x, c.y);
}

void myDraw::XorCircle(PixelPoint centre, PixelPoint through)
{
    double r = std::hypot(double(through.x) - centre.x, double(through.y) - centre.y);
    auto lineAt = [&](double t) {
        canvas->LineTo(static_cast<int>(centre.x + r * std::cos(t)), static_cast<int>(centre.y + r * std::sin(t)));
    };
    canvas->MoveTo(static_cast<int>(centre.x + r), centre.y);
    for (int k = 0; k * (Pi / 20) < TwoPi - 1e-8; ++k)
        lineAt(k * (Pi / 20));
    lineAt(TwoPi);
}

void myDraw::XorArc3(PixelPoint a, PixelPoint b, PixelPoint c)
{
    double cx, cy, r;
    bool cw;
    if (!CircleThrough3Points(a.x, a.y, b.x, b.y, c.x, c.y, cx, cy, r, cw))
        return;
    double a1 = VectorAngle(a.y - cy, a.x - cx);
    double a3 = VectorAngle(c.y - cy, c.x - cx);
    double sweep = cw ? a1 - a3 : a3 - a1;
    if (IsLess(sweep, 0))
        sweep += TwoPi;
    double sign = cw ? -1 : 1;
    constexpr double step = Pi / 15;
    canvas->MoveTo(a.x, a.y);
    for (int k = 1; k * step < sweep; ++k) {
        double t = a1 + sign * k * step;
        canvas->LineTo(static_cast<int>(cx + r * std::cos(t)), static_cast<int>(cy + r * std::sin(t)));
    }
    canvas->LineTo(c.x, c.y);
}

void myDraw::XorMarker(PixelPoint at)
{
    canvas->MoveTo(at.x - 3, at.y - 3);
    canvas->LineTo(at.x + 3, at.y - 3);
    canvas->LineTo(at.x + 3, at.y + 3);
    canvas->LineTo(at.x - 3, at.y + 3);
    canvas->LineTo(at.x - 3, at.y - 3);
}

// ---- Rubber band ----

void myDraw::BeginRubberRect(int px, int py)
{
    rubberStart = {px, py};
    rubberActive = true;
    rubberPrev = PixelPoint();
}

void myDraw::DragRubberRect(int px, int py)
{
    if (!rubberActive || canvas == nullptr)
        return;
    SetXorPen(true);
    if (!rubberPrev.IsNone())
        XorRect(rubberStart, rubberPrev);
    rubberPrev = {px, py};
    XorRect(rubberStart, rubberPrev);
    SetXorPen(false);
}

void myDraw::EndRubberRect(int px, int py)
{
    rubberEnd = {px, py};
    rubberActive = false;
    if (rubberPrev.IsNone() || canvas == nullptr)
        return;
    SetXorPen(true);
    XorRect(rubberStart, rubberPrev);
    SetXorPen(false);
    rubberPrev = PixelPoint();
}

void myDraw::GetRubberRect(double& minX, double& minY, double& maxX, double& maxY) const
{
    double x1, y1, x2, y2;
    ToDrawing(rubberStart.x, rubberStart.y, x1, y1);
    ToDrawing(rubberEnd.x, rubberEnd.y, x2, y2);
    minX = std::fmin(x1, x2);
    maxX = std::fmax(x1, x2);
    minY = std::fmin(y1, y2);
    maxY = std::fmax(y1, y2);
}

// ---- Tool previews ----

void myDraw::EnableSnapMarker()
{
    snapMarker = true;
    lastMarker = PixelPoint();
}

void myDraw::BeginLinePreview(double x, double y)
{
    ForgetPixels();
    pointAX = x;
    pointAY = y;
    linePreview = true;
}

void myDraw::BeginArcPreview(double x, double y)
{
    ForgetPixels();
    pointAX = x;
    pointAY = y;
    arcStage = 1;
}

void myDraw::SetArcSecondPoint(double x, double y)
{
    pointBX = x;
    pointBY = y;
    arcStage = 2;
    prevCursor = PixelPoint();
}

void myDraw::BeginRectPreview(double x, double y)
{
    ForgetPixels();
    pointAX = x;
    pointAY = y;
    rectPreview = true;
}

void myDraw::BeginCirclePreview(double x, double y)
{
    ForgetPixels();
    pointAX = x;
    pointAY = y;
    circlePreview = true;
}

void myDraw::XorPreviousFigure()
{
    if (prevStart.IsNone())
        return;
    if (linePreview) {
        XorSegment(prevStart, prevCursor);
    } else if (rectPreview) {
        XorRect(prevStart, prevCursor);
    } else if (circlePreview) {
        XorCircle(prevStart, prevCursor);
    } else if (arcStage > 0) {
        // Until the arc has a cursor of its own, what is on screen is the first stage's segment.
        if (prevCursor.IsNone()) {
            XorSegment(prevStart, prevMiddle);
        } else {
            XorArc3(prevStart, prevMiddle, prevCursor);
        }
    }
}

void myDraw::XorFigureTo(PixelPoint cursor)
{
    PixelPoint a = PixelOf(pointAX, pointAY);
    prevStart = a;
    if (arcStage == 1) {
        XorSegment(a, cursor);
        prevMiddle = cursor;
        return;
    }
    if (arcStage == 2) {
        prevMiddle = PixelOf(pointBX, pointBY);
        XorArc3(a, prevMiddle, cursor);
    } else if (linePreview) {
        XorSegment(a, cursor);
    } else if (rectPreview) {
        XorRect(a, cursor);
    } else if (circlePreview) {
        XorCircle(a, cursor);
    }
    prevCursor = cursor;
}

void myDraw::Track(bool toolOn, int px, int py, bool snapped)
{
    if ((!toolOn && !snapMarker) || canvas == nullptr)
        return;
    SetXorPen(true);
    PixelPoint cursor{px, py};
    if (toolOn) {
        XorPreviousFigure();
        XorFigureTo(cursor);
    }
    if (!lastMarker.IsNone())
        XorMarker(lastMarker);
    lastMarker = PixelPoint();
    if (snapped) {
        XorMarker(cursor);
        lastMarker = cursor;
    }
    SetXorPen(false);
}

void myDraw::TrackLine(int px, int py, bool snapped)
{
    Track(linePreview, px, py, snapped);
}
void myDraw::TrackArc(int px, int py, bool snapped)
{
    Track(arcStage > 0, px, py, snapped);
}
void myDraw::TrackRect(int px, int py, bool snapped)
{
    Track(rectPreview, px, py, snapped);
}
void myDraw::TrackCircle(int px, int py, bool snapped)
{
    Track(circlePreview, px, py, snapped);
}

void myDraw::EndPreview()
{
    if (canvas != nullptr) {
        SetXorPen(true);
        XorPreviousFigure();
        if (!lastMarker.IsNone())
            XorMarker(lastMarker);
        SetXorPen(false);
    }
    ResetPreviews();
}

void myDraw::EndLinePreview(double x, double y)
{
    pointCX = x;
    pointCY = y;
    EndPreview();
}

void myDraw::EndArcPreview(double x, double y)
{
    pointCX = x;
    pointCY = y;
    EndPreview();
}

void myDraw::EndRectPreview(double x, double y)
{
    pointCX = x;
    pointCY = y;
    EndPreview();
}

void myDraw::EndCirclePreview(double x, double y)
{
    pointCX = x;
    pointCY = y;
    EndPreview();
}

void myDraw::ForgetPixels()
{
    prevStart = prevMiddle = prevCursor = PixelPoint();
}

void myDraw::ResetPreviews()
{
    linePreview = rectPreview = circlePreview = snapMarker = false;
    arcStage = 0;
    ForgetPixels();
    lastMarker = PixelPoint();
}

void myDraw::GetPreviewPoints(double& ax, double& ay, double& cx, double& cy) const
{
    ax = pointAX;
    ay = pointAY;
    cx = pointCX;
    cy = pointCY;
}

bool myDraw::GetPreviewArc(double& ax, double& ay, double& cx, double& cy, double& centreX, double& centreY,
                           bool& cw) const
{
    GetPreviewPoints(ax, ay, cx, cy);
    double r;
    return CircleThrough3Points(pointAX, pointAY, pointBX, pointBY, pointCX, pointCY, centreX, centreY, r, cw);
}

void myDraw::GetPreviewCircle(double& centreX, double& centreY, double& radius) const
{
    centreX = pointAX;
    centreY = pointAY;
    radius = Distance(pointAX, pointAY, pointCX, pointCY);
}
