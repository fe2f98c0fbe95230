// The commands of quorvia-cli: reports, conversion, bitmap export and the path and simplification operations,
// among them the continuous paths; the export in the formats people share is cli_export.cpp's.
#include "cli_commands.h"

#include <cstdio>

#include "cli_export.h"
#include "cli_load.h"
#include "cli_report.h"
#include "l10n/messaggi.h"
#include "render/bitmapexport.h"
#include "support/mymessagebox.h"
#include "support/parlav.h"
#include "support/text.h"

namespace {

// Catalogue entries of the result boxes.
constexpr int MsgWarningTitle = 227;
constexpr int MsgJoinedCount = 249;
constexpr int MsgJoinTitle = 250;
constexpr int MsgEntitiesBefore = 304;
constexpr int MsgEntitiesAfter = 305;
constexpr int MsgContinuousCrowded = 388;

int Print(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? ExitOk : ExitFileError;
}

int SaveDrawing(Drw& drawing, const std::string& path)
{
    return drawing.Save(path) ? ExitOk : ExitFileError;
}

// Simplifies the whole drawing and shows the entity counts before and after.
void SimplifyDrawing(Drw& drawing)
{
    const int before = drawing.entityCount();
    drawing.Simplify();
    MyMessageBox(StrFormat("%s: %d \n%s: %d", MsgText(MsgEntitiesBefore).c_str(), before,
                           MsgText(MsgEntitiesAfter).c_str(), drawing.entityCount()),
                 MsgText(MsgWarningTitle), MsgStyleInfo);
}

// Joins the paths whose ends are within tolerance over the whole drawing and shows the number of joins.
void JoinAllPaths(Drw& drawing, double tolerance)
{
    const int joins = drawing.AutoJoin(tolerance, -1, -1, nullptr, nullptr);
    MyMessageBox(StrFormat("%s %d", MsgText(MsgJoinedCount).c_str(), joins), MsgText(MsgJoinTitle), MsgStyleInfo);
}

// Splits every path into single entities, joins them again within tolerance and orders the paths, as the path
// optimisation's "join and optimise all" does; the join count is not shown.
void OptimiseDrawing(Drw& drawing, double tolerance, bool keepDirections)
{
    drawing.ExplodePaths(-1);
    drawing.AutoJoin(tolerance, -1, -1, nullptr, nullptr);
    drawing.OptimiseOrder(keepDirections);
}

// The machine's join distance, the default of optimise.
double MachineJoinDistance()
{
    return ParLav().minJoinDistance;
}

// Optimises the drawing, saves it and reports the figures before and after.
int Optimise(Drw& drawing, const CliRequest& request)
{
    const OrderFigures before = FiguresOf(drawing);
    OptimiseDrawing(drawing, request.hasTolerance ? request.tolerance : MachineJoinDistance(), request.keepDirections);
    const int saved = SaveDrawing(drawing, request.output);
    return saved == ExitOk ? Print(OptimiseReport(before, FiguresOf(drawing), request.json)) : saved;
}

// Makes every connected part of the drawing one path, saves it and reports the figures before and after.
int Continuous(Drw& drawing, const CliRequest& request)
{
    const OrderFigures before = FiguresOf(drawing);
    ContinuousOptions options;
    options.tolerance = request.hasTolerance ? request.tolerance : MachineJoinDistance();
    options.bridge = request.bridge;
    options.workSpeed = workSpeed;
    options.rapidSpeed = rapidSpeed;
    if (drawing.MakeContinuous(options) == ContinuousOutcome::Crowded)
        MyMessageBox(MsgText(MsgContinuousCrowded), MsgText(MsgWarningTitle), MsgStyleWarning);
    const int saved = SaveDrawing(drawing, request.output);
    return saved == ExitOk ? Print(OptimiseReport(before, FiguresOf(drawing), request.json)) : saved;
}

}  // namespace

int RunCommand(const CliRequest& request)
{
    LoadedDrawing loaded;
    if (!LoadDrawing(request.input, request.inputFormat, request.curveTolerance, loaded))
        return ExitFileError;
    switch (request.command) {
    case CliCommand::Info: return Print(InfoJson(request.input, loaded));
    case CliCommand::Dump: return Print(DumpJson(loaded.drawing));
    case CliCommand::Convert: return SaveDrawing(loaded.drawing, request.output);
    case CliCommand::Bitmap: return ExportDrawingBitmap(loaded.drawing, request.output) ? ExitOk : ExitFileError;
    case CliCommand::Simplify: SimplifyDrawing(loaded.drawing); return SaveDrawing(loaded.drawing, request.output);
    case CliCommand::Join:
        JoinAllPaths(loaded.drawing, request.tolerance);
        return SaveDrawing(loaded.drawing, request.output);
    case CliCommand::Optimise: return Optimise(loaded.drawing, request);
    case CliCommand::Export: return ExportCommand(loaded.drawing, request);
    case CliCommand::Continuous: return Continuous(loaded.drawing, request);
    }
    return ExitUsage;
}
