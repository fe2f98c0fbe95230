// The abstract 2D canvas the screen renderer paints on: pens, a brush, lines from a current position,
// rectangles, ellipses and text. The Qt layer implements it on an image; tests record what is drawn.
#pragma once

#include <cstdint>
#include <string>

// A colour as 0x00BBGGRR: red in the lowest byte.
using Color = uint32_t;

constexpr Color RgbColor(int red, int green, int blue)
{
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Color c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

// Pen styles, stored as a byte in the layer pens.
constexpr uint8_t PenStyleSolid = 0;
constexpr uint8_t PenStyleDashed = 1;

// How the pen combines with the picture: Copy paints its colour, Xor exclusive-ors it into the pixels,
// so that drawing the same figure twice restores the picture.
enum class PenMode { Copy, Xor };

// Coordinates are pixels, x to the right and y downwards, (0, 0) the top-left pixel. Rectangles and ellipses
// take (left, top, right, bottom) with right and bottom exclusive. LineTo draws from the current position to
// (x, y) excluding the end pixel and makes (x, y) the current position, so a closed polyline touches each of
// its corners once.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetPen(Color color, int width, uint8_t style) = 0;
    virtual void SetPenMode(PenMode mode) = 0;
    virtual PenMode GetPenMode() const = 0;
    virtual void SetBrushColor(Color color) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Filled with the brush and outlined with the pen.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // A one-pixel outline in the pen colour.
    virtual void FrameRect(int left, int top, int right, int bottom) = 0;
    // Filled with the brush and outlined with the pen.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;

    // Text (UTF-8) with its top-left corner at (x, y), in the font colour, on a transparent background.
    virtual void SetFont(int sizePoints, bool bold, bool italic, bool underline, Color color) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
};
