// Painting a drawing of lines and arcs of all sizes: the full repaint of the drawing window through the screen
// canvas onto a 1600 x 1000 image, plain and while the animated simulation runs, QPainter drawing the very same
// segments with one drawPolyline per entity, and the bitmap export.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <filesystem>
#include <map>
#include <vector>

#include "bench_drawings.h"
#include "render/bitmapexport.h"
#include "render/canvas.h"
#include "render/mydraw.h"
#include "ui/qtcanvas.h"

namespace {

constexpr int ImageWidth = 1600;
constexpr int ImageHeight = 1000;

const Drw& Drawing(int entities)
{
    static std::map<int, Drw> drawings;
    auto found = drawings.find(entities);
    if (found == drawings.end())
        found = drawings.emplace(entities, RandomSegments(entities, 7)).first;
    return found->second;
}

// The drawing window's view of the whole drawing on a canvas of the image's size.
void SetUpView(myDraw& view, const Drw& drawing)
{
    view.SetColors(RgbColor(255, 255, 255), RgbColor(0, 0, 0), RgbColor(0, 0, 255), RgbColor(220, 220, 220),
                   RgbColor(255, 0, 0));
    view.FitDrawing(drawing, 0.1);
}

// Collects the renderer's lines as one polyline per MoveTo, that is one per entity.
class PolylineRecorder : public Canvas {
public:
    void SetPen(Color, int, uint8_t) override {}
    void SetPenMode(PenMode) override {}
    PenMode GetPenMode() const override { return PenMode::Copy; }
    void SetBrushColor(Color) override {}
    void MoveTo(int x, int y) override { polylines.push_back({QPoint(x, y)}); }
    void LineTo(int x, int y) override { polylines.back().push_back(QPoint(x, y)); }
    void Rectangle(int, int, int, int) override {}
    void FrameRect(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void SetFont(int, bool, bool, bool, Color) override {}
    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string&) override { return 0; }
    int TextHeight(const std::string&) override { return 0; }

    std::vector<std::vector<QPoint>> polylines;
};

void BM_Repaint(benchmark::State& state)
{
    const Drw& drawing = Drawing(static_cast<int>(state.range(0)));
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    myDraw view(&canvas, ImageWidth, ImageHeight, true, false);
    SetUpView(view, drawing);
    for (auto _ : state) {
        canvas.Begin();
        view.DrawBackground();
        view.DrawDrawing(drawing, -1, 0);
        canvas.End();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The drawing window's repaint while the animated simulation stands at the middle path: the paths before it
// highlighted, the others in the normal pens (one path per entity here, the most paths a drawing holds).
void BM_RepaintAnimated(benchmark::State& state)
{
    const Drw& drawing = Drawing(static_cast<int>(state.range(0)));
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    myDraw view(&canvas, ImageWidth, ImageHeight, true, false);
    SetUpView(view, drawing);
    view.SetSelColor(1, RgbColor(255, 255, 0));
    const int step = drawing.pathCount / 2;
    for (auto _ : state) {
        canvas.Begin();
        view.DrawBackground();
        view.DrawPaths(drawing, 1, step - 1, 1);
        view.DrawPaths(drawing, step, drawing.pathCount, -1);
        canvas.End();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The floor of the comparison: QPainter drawing the segments the renderer produces for the drawing.
void BM_RepaintQPainterPolylines(benchmark::State& state)
{
    const Drw& drawing = Drawing(static_cast<int>(state.range(0)));
    PolylineRecorder recorder;
    myDraw view(&recorder, ImageWidth, ImageHeight, true, false);
    SetUpView(view, drawing);
    view.ComputeView();
    view.DrawDrawing(drawing, -1, 0);
    size_t segments = 0;
    for (const auto& polyline : recorder.polylines)
        segments += polyline.size() - 1;
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(0, 0, 255), 0));
        for (const auto& polyline : recorder.polylines)
            painter.drawPolyline(polyline.data(), static_cast<int>(polyline.size()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["segments"] = static_cast<double>(segments);
}

void BM_BitmapExport(benchmark::State& state)
{
    const Drw& drawing = Drawing(static_cast<int>(state.range(0)));
    const std::string path = (std::filesystem::temp_directory_path() / "quorvia-bench.bmp").string();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportDrawingBitmap(drawing, path));
    std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(BM_Repaint)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintAnimated)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintQPainterPolylines)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitmapExport)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
