// The figures of the drawing tools as entities of a drawing: segments of a path being drawn, rectangles and
// circles. Each either appends its entities whole or leaves the drawing as it was; a refusal for capacity is
// reported by the drawing's add operations.
#pragma once

class Drw;

// A line from A to C on the tools' layer. A new path when newPath is set; otherwise the segment continues the
// drawing's last path (its last entity becomes joined to it), provided that path ends at A. A last path that
// does not end at A (the drawing changed meanwhile) is not joined: the segment starts a new path instead.
bool AppendLineSegment(Drw& drawing, double ax, double ay, double cx, double cy, bool newPath);
// An arc from A to C about (xc, yc), clockwise when cw; a new path or a continued one as for lines.
bool AppendArcSegment(Drw& drawing, double ax, double ay, double cx, double cy, double xc, double yc, bool cw,
                      bool newPath);
// One closed path of four joined lines from corner A: A -> (C.x, A.y) -> C -> (A.x, C.y) -> A.
bool AppendRectangle(Drw& drawing, double ax, double ay, double cx, double cy);
// One closed path of two clockwise half arcs about M, starting at the leftmost point (M.x - r, M.y).
bool AppendCircle(Drw& drawing, double mx, double my, double r);
