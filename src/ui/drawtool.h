// The interactive drawing tools as a state machine without widgets: which tool is active, which point it expects
// next, the XOR preview it asks the renderer for, and the figures it appends to a drawing when the last point
// comes. The drawing window feeds it snapped cursor points and typed points (mdichild_tools.cpp).
#pragma once

#include <string>

class Drw;
class myDraw;

// The tools, numbered as the drawing window's tool mode.
enum class ToolMode { None = 0, Line = 1, Arc = 2, Rectangle = 3, Circle = 4, Polyline = 5, Polyarc = 6 };

// The point a tool expects next: the first, the second, or (arcs) the third; None without a tool.
enum class ToolStage { None = 0, First = 1, Second = 2, Third = 3 };

// What a click did.
enum class ClickResult {
    Ignored,   // no tool, or a stage the tool does not have
    Advanced,  // the point was taken and the tool waits for the next one
    Finished,  // the figure's last point: the figure was appended (unless refused) and the tool ended or, for
               // polylines and polyarcs whose segment was appended, waits for the next segment's end
};

// New figures go on this layer.
inline const std::string DrawToolLayer = "DEFAULT";

class DrawTool {
public:
    ToolMode Mode() const { return mode; }
    ToolStage Stage() const { return stage; }
    bool Active() const { return mode != ToolMode::None; }
    // The next polyline or polyarc segment starts a new path.
    bool PolyFirst() const { return polyFirst; }

    // Activates mode at its first stage and switches the renderer's snap marker on; a polyline or polyarc starts
    // a new path with its first segment. ToolMode::None is the same as Stop.
    void Start(ToolMode mode, myDraw& renderer);
    // No tool, stage None; the renderer's previews (when there is a renderer) are forgotten, not erased.
    void Stop(myDraw* renderer);
    // The next point (x, y) in mm for the active tool; see ClickResult. A finished line, arc, rectangle or circle
    // becomes a new path on DrawToolLayer; polyline and polyarc segments extend the path being drawn. A figure
    // with a coordinate or radius that is not a finite number is not added, and the tool ends.
    ClickResult Click(double x, double y, Drw& drawing, myDraw& renderer);
    // The preview of the active tool follows the cursor pixel (px, py); snapped shows the snap marker there.
    void Track(int px, int py, bool snapped, myDraw& renderer) const;

private:
    // The click that ends the figure of each kind of tool.
    void FinishSegment(double x, double y, Drw& drawing, myDraw& renderer);
    void FinishArc(double x, double y, Drw& drawing, myDraw& renderer);
    void FinishRectangle(double x, double y, Drw& drawing, myDraw& renderer);
    void FinishCircle(double x, double y, Drw& drawing, myDraw& renderer);
    // The polyline or polyarc tool polyMode starts again and goes on from (x, y) with its next segment, in the
    // same path.
    void ContinueChain(ToolMode polyMode, double x, double y, myDraw& renderer);
    bool IsPoly() const { return mode == ToolMode::Polyline || mode == ToolMode::Polyarc; }
    // The stage that the figure's last point ends.
    ToolStage LastStage() const;

    ToolMode mode = ToolMode::None;
    ToolStage stage = ToolStage::None;
    bool polyFirst = false;
};
