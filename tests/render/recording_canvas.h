// A canvas that records what a renderer draws: the primitives in order, the line segments with the pen they
// were drawn with, and the parity of XOR segments, so tests can check pixel-exact results without a screen.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "render/canvas.h"

class RecordingCanvas : public Canvas {
public:
    struct Segment {
        int x1, y1, x2, y2;
        Color color;
        int width;
        uint8_t style;
        PenMode mode;

        friend bool operator==(const Segment&, const Segment&) = default;
    };
    struct Shape {
        std::string kind;  // "rect", "frame", "ellipse", "text"
        int left, top, right, bottom;
        std::string text;
    };

    static constexpr int CharWidth = 6;
    static constexpr int LineHeight = 13;

    void SetPen(Color c, int w, uint8_t s) override
    {
        color = c;
        width = w;
        style = s;
    }
    void SetPenMode(PenMode m) override { mode = m; }
    PenMode GetPenMode() const override { return mode; }
    void SetBrushColor(Color c) override { brush = c; }
    void MoveTo(int x, int y) override
    {
        curX = x;
        curY = y;
    }
    void LineTo(int x, int y) override
    {
        segments.push_back({curX, curY, x, y, color, width, style, mode});
        if (mode == PenMode::Xor && (x != curX || y != curY)) {
            // A segment and its reverse cover the same pixels.
            auto key = curX < x || (curX == x && curY < y) ? std::make_tuple(curX, curY, x, y)
                                                           : std::make_tuple(x, y, curX, curY);
            xorParity[key] ^= 1;
        }
        curX = x;
        curY = y;
    }
    void Rectangle(int l, int t, int r, int b) override { shapes.push_back({"rect", l, t, r, b, ""}); }
    void FrameRect(int l, int t, int r, int b) override { shapes.push_back({"frame", l, t, r, b, ""}); }
    void Ellipse(int l, int t, int r, int b) override { shapes.push_back({"ellipse", l, t, r, b, ""}); }
    void SetFont(int, bool, bool, bool, Color) override {}
    void TextOut(int x, int y, const std::string& text) override { shapes.push_back({"text", x, y, 0, 0, text}); }
    int TextWidth(const std::string& text) override { return CharWidth * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return LineHeight; }

    // Segments of non-zero length.
    std::vector<Segment> VisibleSegments() const
    {
        std::vector<Segment> out;
        for (const Segment& s : segments) {
            if (s.x1 != s.x2 || s.y1 != s.y2)
                out.push_back(s);
        }
        return out;
    }
    // XOR segments drawn an odd number of times: what is left on the picture.
    int XorTraces() const
    {
        int n = 0;
        for (const auto& [key, parity] : xorParity)
            n += parity;
        return n;
    }
    void Clear()
    {
        segments.clear();
        shapes.clear();
    }

    std::vector<Segment> segments;
    std::vector<Shape> shapes;
    std::map<std::tuple<int, int, int, int>, int> xorParity;
    Color color = 0, brush = 0;
    int width = 1;
    uint8_t style = PenStyleSolid;
    PenMode mode = PenMode::Copy;
    int curX = 0, curY = 0;
};
