// Tests of the bitmap renderer: the rasteriser, the drawing order, arcs, and the BMP file it writes.
#include "render/mybitmap.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "model/drw.h"
#include "render/bitmapexport.h"

namespace {

constexpr Color White = RgbColor(255, 255, 255);
constexpr Color Green = RgbColor(64, 255, 64);
constexpr Color Yellow = RgbColor(255, 255, 0);

int32_t Int32At(const std::string& bytes, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    return static_cast<int32_t>(v);
}

int RowOfSetPixels(const MyBitmap& b, int y, Color c)
{
    int n = 0;
    for (int x = 0; x < b.width; ++x)
        n += b.PixelAt(x, y) == c;
    return n;
}

}  // namespace

// ---- Rasteriser ----

TEST(MyBitmapRaster, ShortLineSetsBothEndPixels)
{
    MyBitmap b(10, 5, false);
    b.PutLine(White, 0, 0, 3, 0);
    for (int x = 0; x <= 3; ++x)
        EXPECT_EQ(b.PixelAt(x, 0), White) << x;
    EXPECT_EQ(b.PixelAt(4, 0), 0u);
    EXPECT_EQ(RowOfSetPixels(b, 1, White), 0);
}

TEST(MyBitmapRaster, LinesLeavingTheBufferAreClippedPixelByPixel)
{
    MyBitmap b(20, 10, false);
    b.PutLine(White, -5, 2, 30, 2);
    EXPECT_EQ(RowOfSetPixels(b, 2, White), 20);
    // A line of four thousand million pixels costs only the pixels it crosses in the buffer.
    b.PutLine(Green, -2000000000, 7, 2000000000, 7);
    EXPECT_EQ(RowOfSetPixels(b, 7, Green), 20);
    b.PutLine(Green, -100, -100, -1, 500);
    b.FillArea(Green, -5, -5, 3, 2);
    EXPECT_EQ(b.PixelAt(2, 1), Green);
    EXPECT_EQ(b.PixelAt(3, 1), 0u);
    EXPECT_EQ(b.PixelAt(2, 2), White);
}

TEST(MyBitmapRaster, FrameIncludesBothCorners)
{
    MyBitmap b(10, 8, false);
    b.FrameArea(White, 1, 1, 8, 6);
    for (auto [x, y] : {std::pair{1, 1}, {8, 1}, {8, 6}, {1, 6}, {4, 1}, {1, 4}})
        EXPECT_EQ(b.PixelAt(x, y), White);
    EXPECT_EQ(b.PixelAt(4, 4), 0u);
    EXPECT_EQ(b.PixelAt(9, 1), 0u);
}

TEST(MyBitmapRaster, MarginsThatLeaveNoRoomAreCut)
{
    MyBitmap b(20, 10, false);
    b.SetMargins(15, 3, 15, 4);
    b.SetExtents(0, 0, 1, 1);
    b.DrawBackground();  // the area is 9..11 by 4..7
    Drw d;
    d.AddLine(0, 0.5, 1, 0.5, "", 1, false, false);
    b.penColor = Green;
    b.DrawDrawing(d, 0, -1);
    EXPECT_EQ(b.PixelAt(9, 5), Green);
    EXPECT_EQ(b.PixelAt(11, 5), Green);
    EXPECT_EQ(b.PixelAt(12, 5), 0u);
}

// ---- Entities ----

TEST(MyBitmapDrawing, FirstFourEntitiesAreDrawnLast)
{
    // Entities on the same pixels, one highlighted: the pixel shows whichever is drawn last.
    struct Case {
        int count, highlighted;
        Color expected;
    } cases[] = {{5, 5, Green}, {5, 4, Yellow}, {6, 6, Green}, {4, 4, Yellow}, {4, 1, Green}};
    for (const Case& c : cases) {
        MyBitmap b(40, 40, false);
        b.SetExtents(0, 0, 40, 40);
        b.penColor = Green;
        b.selColors[1] = Yellow;
        b.DrawBackground();
        Drw d;
        for (int i = 0; i < c.count; ++i)
            d.AddLine(0, 20, 39, 20, "", i + 1, false, false);
        d.pathCount = c.count;
        b.DrawDrawing(d, c.highlighted, 1);
        EXPECT_EQ(b.PixelAt(20, 20), c.expected) << c.count << " entities, path " << c.highlighted << " highlighted";
    }
}

TEST(MyBitmapDrawing, ArcsWithEqualEndsAreFullCirclesAndShortOnesAreDots)
{
    MyBitmap b(100, 100, false);
    b.SetExtents(0, 0, 100, 100);
    b.penColor = Green;
    b.DrawBackground();
    b.DrawArc(90, 50, 90, 50, 50, 50, true, "");
    EXPECT_EQ(b.PixelAt(10, 50), Green) << "the far side of the circle";
    EXPECT_EQ(b.PixelAt(50, 90), Green);
    b.DrawArc(50, 20, 50.05, 20.0000, 50, 0, false, "");
    EXPECT_EQ(b.PixelAt(50, 20), Green);
    int set = 0;
    for (int y = 15; y < 25; ++y) {
        for (int x = 45; x < 55; ++x)
            set += b.PixelAt(x, y) == Green;
    }
    EXPECT_EQ(set, 1) << "the arc of 0.05 mm sets only its start pixel";
}

TEST(MyBitmapDrawing, WithoutABufferNothingIsDrawnAndWritingFails)
{
    MessageRecorder recorder;
    TempProgDir dir;
    MyBitmap b(100000, 100000, false);
    EXPECT_TRUE(b.AllocationFailed());
    b.SetExtents(0, 0, 10, 10);
    b.DrawBackground();
    b.PutLine(White, 0, 0, 5, 5);
    EXPECT_EQ(b.PixelAt(0, 0), 0u);
    EXPECT_FALSE(b.WriteBmp(dir.File("big.bmp")));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0],
              (RecordedMessage{"BMP001: errore nella scrittura della bitmap.", "ERRORE", 8208}));
    b.SetSize(-4, 3);
    EXPECT_FALSE(b.AllocationFailed());
    EXPECT_EQ(b.width, 0);
}

// ---- BMP file ----

TEST(MyBitmapFile, HeadersRowsAndPaddingOfANarrowBitmap)
{
    MessageRecorder recorder;
    TempProgDir dir;
    MyBitmap b(3, 2, false);
    b.FillArea(RgbColor(1, 2, 3), 0, 0, 3, 1);  // buffer row 0
    b.PutLine(RgbColor(10, 20, 30), 2, 1, 2, 1);
    std::string name = dir.File("narrow.bmp");
    dir.WriteFile("narrow.bmp", std::string(500, 'x'));  // an older, longer file is replaced
    ASSERT_TRUE(b.WriteBmp(name));
    std::string bytes = dir.ReadFile("narrow.bmp");
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Int32At(bytes, 2), 78);
    EXPECT_EQ(Int32At(bytes, 10), 54);
    EXPECT_EQ(Int32At(bytes, 14), 40);
    EXPECT_EQ(Int32At(bytes, 18), 3);
    EXPECT_EQ(Int32At(bytes, 22), 2);
    EXPECT_EQ(Int32At(bytes, 26), 1 | (24 << 16));  // planes, bits per pixel
    for (size_t at = 30; at < 54; at += 4)
        EXPECT_EQ(Int32At(bytes, at), 0) << at;
    // Buffer row 0 first, blue-green-red, then three zero bytes.
    EXPECT_EQ(bytes.substr(54, 12), std::string("\3\2\1\3\2\1\3\2\1\0\0\0", 12));
    EXPECT_EQ(bytes.substr(66, 12), std::string("\0\0\0\0\0\0\36\24\12\0\0\0", 12));
    EXPECT_EQ(recorder.EventLines(),
              (std::vector<std::string>{"Inizio creazione bitmap " + name, "Creata bitmap " + name}));
}

TEST(MyBitmapFile, UnwritableFileReportsBmp001)
{
    MessageRecorder recorder;
    TempProgDir dir;
    MyBitmap b(4, 4, false);
    EXPECT_FALSE(b.WriteBmp(dir.File("missing/folder/x.bmp")));
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"BMP001: errore nella scrittura della bitmap."});
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{"BMP001: errore nella scrittura della bitmap."});
}

TEST(MyBitmapFile, ExportIsAn800By600PictureOfTheDrawing)
{
    MessageRecorder recorder;
    TempProgDir dir;
    Drw d;
    d.AddLine(0, 0, 100, 0, "0", 1, false, true);
    d.AddLine(100, 0, 100, 50, "0", 1, true, false);
    d.pathCount = 1;
    ASSERT_TRUE(ExportDrawingBitmap(d, dir.File("export.bmp")));
    std::string bytes = dir.ReadFile("export.bmp");
    ASSERT_EQ(bytes.size(), 1440054u);
    EXPECT_EQ(Int32At(bytes, 2), 1440054);
    // 800 pixels make 2400-byte rows without padding. The bottom line, y = 0, is in the lowest rows of the
    // picture: the first rows of the file, just above the margin of 6 (the 100 x 50 box fills the width).
    auto pixel = [&](int x, int rowFromBottom) { return bytes.substr(54 + rowFromBottom * 2400 + 3 * x, 3); };
    int bottom = 6 + (588 - 788 / 2) / 2;
    EXPECT_EQ(pixel(400, bottom), std::string("\x40\xff\x40"));
    EXPECT_EQ(pixel(400, 300), std::string("\0\0\0", 3));
    EXPECT_EQ(pixel(1, 300), std::string("\xf0\xca\xa6")) << "frame";
}
