// The bitmap export: the fixed configuration of the offscreen renderer for a whole-drawing picture.
#include "render/bitmapexport.h"

#include "model/drw.h"
#include "render/mybitmap.h"

bool ExportDrawingBitmap(const Drw& drawing, const std::string& fileName)
{
    MyBitmap bitmap(ExportBitmapWidth, ExportBitmapHeight, false);
    bitmap.SetColors(RgbColor(0, 0, 0), RgbColor(166, 202, 240), RgbColor(64, 255, 64), RgbColor(48, 48, 48),
                     RgbColor(238, 0, 0));
    bitmap.SetMargins(6, 6, 6, 6);
    bitmap.ShowAxes(false);
    bitmap.ShowGrid(false);
    bitmap.FitDrawing(drawing, 0);
    bitmap.DrawBackground();
    bitmap.DrawDrawing(drawing, 0, -1);
    return bitmap.WriteBmp(fileName);
}
