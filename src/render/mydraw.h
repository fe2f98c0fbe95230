// myDraw: the screen renderer bound to one canvas. It maps drawing millimetres to pixels (ViewTransform) and paints
// the background, grid and axes, drawings, paths and their ends, and the XOR feedback that follows the mouse.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/viewtransform.h"

class Drw;
struct Entity;

class myDraw : public ViewTransform {
public:
    static constexpr int SelColorCount = 10;
    static constexpr int MaxLayerPens = 100;
    // Pixel value meaning "no previous figure" in the tool previews.
    static constexpr int NoPixel = 999999;

    struct LayerPen {
        std::string name;  // upper-cased
        Color color;
        int width;
        uint8_t style;  // PenStyleSolid or PenStyleDashed
    };

    // canvas is not owned; without one nothing is painted.
    myDraw(Canvas* canvas, int width, int height, bool flipY, bool mirrorX);

    // ---- Configuration (mydraw_entities.cpp) ----
    void SetColors(Color background, Color frame, Color pen, Color grid, Color axes);
    // An index of SelColorCount or more is refused with a line in EventLog.
    void SetSelColor(int index, Color color);
    void ShowAxes(bool on) { showAxes = on; }
    void ShowGrid(bool on) { showGrid = on; }
    void ShowArrows(bool on) { showArrows = on; }
    // Appends a pen for the entities of a layer (name compared without case); false when the table is full.
    bool AddLayerPen(const std::string& layer, Color color, int width, uint8_t style);

    // ---- Background (mydraw_background.cpp): ComputeView, fill, frame, grid, axes with labels, origin mark ----
    void DrawBackground();

    // ---- Entities and paths (mydraw_entities.cpp) ----
    // Every entity; those of path sequence (every path when sequence < 0) in selection colour colorIndex when > 0.
    void DrawDrawing(const Drw& drawing, int sequence, int colorIndex);
    // The entities of one path; colorIndex <= 0 means the normal pens.
    void DrawPath(const Drw& drawing, int sequence, int colorIndex);
    // The entities of the paths firstPath..lastPath in one walk, as DrawPath on each in turn would (nothing when
    // lastPath < firstPath).
    void DrawPaths(const Drw& drawing, int firstPath, int lastPath, int colorIndex);
    // The first part/whole of the path's length; the arrow only when part equals whole.
    void DrawPathPart(const Drw& drawing, int sequence, double part, double whole, int colorIndex);
    // Small squares at both ends of every entity of the path.
    void DrawPathEnds(const Drw& drawing, int sequence, int colorIndex);
    void DrawEntity(const Entity& entity, int colorIndex);
    void DrawLine(double x1, double y1, double x2, double y2, const std::string& layer);
    // Clockwise when cw. Nothing when an end lies on the centre; a dot when the ends share a pixel (unless they are
    // equal, which is a full circle).
    void DrawArc(double x1, double y1, double x2, double y2, double xc, double yc, bool cw, const std::string& layer);
    void DrawArrow(const Entity& entity);
    // Selection colour when colorIndex is 0..9, else the first layer pen matching layer, else penColor.
    void SelectPen(const std::string& layer);

    // ---- XOR feedback (mydraw_xor.cpp): every figure drawn twice leaves the picture as it was ----
    // On: remembers the pen mode and takes a white one-pixel solid XOR pen; off: restores the remembered mode.
    void SetXorPen(bool on);
    void BeginRubberRect(int px, int py);
    void DragRubberRect(int px, int py);
    void EndRubberRect(int px, int py);
    // The rectangle in mm (pan included), each pair in ascending order.
    void GetRubberRect(double& minX, double& minY, double& maxX, double& maxY) const;

    void EnableSnapMarker();
    void BeginLinePreview(double x, double y);
    void BeginArcPreview(double x, double y);
    void SetArcSecondPoint(double x, double y);
    void BeginRectPreview(double x, double y);
    void BeginCirclePreview(double x, double y);
    // Redraw the preview from the first point to the cursor pixel, and the snap marker there when snapped.
    void TrackLine(int px, int py, bool snapped);
    void TrackArc(int px, int py, bool snapped);
    void TrackRect(int px, int py, bool snapped);
    void TrackCircle(int px, int py, bool snapped);
    // Store the last point, switch the preview and the marker off and erase their figures.
    void EndLinePreview(double x, double y);
    void EndArcPreview(double x, double y);
    void EndRectPreview(double x, double y);
    void EndCirclePreview(double x, double y);
    void ResetPreviews();
    void GetPreviewPoints(double& ax, double& ay, double& cx, double& cy) const;
    // The arc through A, B and C; false when they are collinear or two coincide.
    bool GetPreviewArc(double& ax, double& ay, double& cx, double& cy, double& centreX, double& centreY,
                       bool& cw) const;
    void GetPreviewCircle(double& centreX, double& centreY, double& radius) const;

    Canvas* canvas;
    Color backgroundColor = 0, frameColor = 0, penColor = 0, gridColor = 0, axesColor = 0;
    std::array<Color, SelColorCount> selColors{};
    int colorIndex = -1;
    std::vector<LayerPen> layerPens;  // at most MaxLayerPens
    bool showAxes = true, showGrid = true, showArrows = false;

private:
    struct PixelPoint {
        int x = NoPixel, y = NoPixel;
        bool IsNone() const { return x == NoPixel; }
    };

    void DrawAxes();
    PixelPoint PixelOf(double x, double y) const;
    // XOR figures in pixels; each drawn twice leaves the picture as it was.
    void XorRect(PixelPoint a, PixelPoint c);
    void XorSegment(PixelPoint a, PixelPoint c);
    void XorCircle(PixelPoint centre, PixelPoint through);
    void XorArc3(PixelPoint a, PixelPoint b, PixelPoint c);
    void XorMarker(PixelPoint at);
    // The preview figure of the active tool: from the remembered pixels, or from the points to a cursor.
    void XorPreviousFigure();
    void XorFigureTo(PixelPoint cursor);
    // The shared step of the Track operations for a tool whose preview is on (or just the marker).
    void Track(bool toolOn, int px, int py, bool snapped);
    // The remembered pixels of the preview figure become none (the marker's are kept).
    void ForgetPixels();
    // The shared step of the End operations: erase the figure and the marker and forget them.
    void EndPreview();

    PenMode savedPenMode = PenMode::Copy;
    // Rubber band: start, end and the free corner of the rectangle on screen, none while no rectangle is shown
    // (a marker value rather than a negative x, so that a corner dragged beyond the left edge is still erased).
    PixelPoint rubberStart{0, 0}, rubberEnd{0, 0}, rubberPrev;
    bool rubberActive = false;
    // Tool previews: the points in mm and the pixels of the figure on screen.
    double pointAX = 0, pointAY = 0, pointBX = 0, pointBY = 0, pointCX = 0, pointCY = 0;
    PixelPoint prevStart, prevMiddle, prevCursor, lastMarker;
    bool linePreview = false, rectPreview = false, circlePreview = false, snapMarker = false;
    int arcStage = 0;
};
