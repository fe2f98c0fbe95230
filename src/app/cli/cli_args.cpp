// Parses and checks the command line of quorvia-cli with QCommandLineParser.
#include "cli_args.h"

#include <QCommandLineParser>

#include <cmath>

#include "app/desktop/commandline.h"
#include "cli_export.h"
#include "geometry/mymath.h"
#include "support/mytypeconversion.h"
#include "support/text.h"

namespace {

// What a command takes: the report option --json and the join distance --tolerance (none, required or optional),
// --keep-directions and --bridge (or not), and, with an output, the file of outputExtension (".dis" or ".bmp"; for
// export one of several, separated by blanks).
enum class OptionUse { None, Required, Optional };

struct CommandSpec {
    const char* name;
    CliCommand command;
    OptionUse json;
    const char* outputExtension;  // nullptr: no output file
    OptionUse tolerance;
    bool keepDirections;
    bool bridge;
};

constexpr CommandSpec Commands[] = {
    {"info", CliCommand::Info, OptionUse::Required, nullptr, OptionUse::None, false, false},
    {"dump", CliCommand::Dump, OptionUse::Required, nullptr, OptionUse::None, false, false},
    {"convert", CliCommand::Convert, OptionUse::None, ".dis", OptionUse::None, false, false},
    {"bitmap", CliCommand::Bitmap, OptionUse::None, ".bmp", OptionUse::None, false, false},
    {"simplify", CliCommand::Simplify, OptionUse::None, ".dis", OptionUse::None, false, false},
    {"join", CliCommand::Join, OptionUse::None, ".dis", OptionUse::Required, false, false},
    {"optimise", CliCommand::Optimise, OptionUse::Optional, ".dis", OptionUse::Optional, true, false},
    {"export", CliCommand::Export, OptionUse::None, ExportExtensions, OptionUse::None, false, false},
    {"continuous", CliCommand::Continuous, OptionUse::Optional, ".dis", OptionUse::Optional, false, true},
};

const char* const Description =
    "Reads a drawing (.dxf or .dis) without windows.\n"
    "Commands:\n"
    "  info --json FILE               summary of the drawing as JSON\n"
    "  dump --json FILE               every entity as JSON\n"
    "  convert IN OUT.dis             save the drawing as a drawing file\n"
    "  bitmap IN OUT.bmp              export the 800 x 600 bitmap\n"
    "  simplify IN OUT.dis            simplify the drawing\n"
    "  join --tolerance MM IN OUT.dis join paths whose ends are within MM\n"
    "  optimise [--tolerance MM] [--keep-directions] [--json] IN OUT.dis\n"
    "                                 split every path, join again (MM, default the machine's join distance) and\n"
    "                                 order the paths for less rapid travel, open paths either way unless\n"
    "                                 --keep-directions; prints the rapid travel and the time estimate before and\n"
    "                                 after (--json: as one object)\n"
    "  continuous [--tolerance MM] [--bridge MM] [--json] IN OUT.dis\n"
    "                                 make each connected part one path, going back over stretches already\n"
    "                                 stitched; --bridge joins parts up to MM apart with a line; prints the rapid\n"
    "                                 travel and the time estimate before and after\n"
    "  export [--page A4|A3] IN OUT   export as OUT's extension says: .png, .svg, .pdf (on an A4 or A3 page)\n"
    "                                 or .bmp (the 800 x 600 bitmap)\n"
    "A DXF input takes --spline-tolerance MM: how far the arcs that replace its curves (SPLINE, ELLIPSE)\n"
    "may lie from them (default 0.01).\n"
    "Exit status: 0 success, 1 a file could not be read or written, 2 usage error.";

// Whether an option's presence fits its use by the command; message says why not.
bool OptionFits(const char* command, const char* option, OptionUse use, bool given, std::string& message)
{
    if (given ? use != OptionUse::None : use != OptionUse::Required)
        return true;
    message = StrFormat(given ? "%s takes no --%s" : "%s needs --%s", command, option);
    return false;
}

const CommandSpec* FindCommand(const QString& name)
{
    for (const CommandSpec& entry : Commands) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

// The files and options of the command; false with message when they do not fit it.
bool CheckRequest(const CommandSpec& entry, const QCommandLineParser& parser, CliRequest& request, std::string& message)
{
    const QStringList files = parser.positionalArguments().mid(1);
    const int fileCount = entry.outputExtension ? 2 : 1;
    if (files.size() != fileCount) {
        message = StrFormat("%s takes %d file name(s)", entry.name, fileCount);
        return false;
    }
    const OptionUse keep = entry.keepDirections ? OptionUse::Optional : OptionUse::None;
    const OptionUse bridge = entry.bridge ? OptionUse::Optional : OptionUse::None;
    if (!OptionFits(entry.name, "json", entry.json, parser.isSet("json"), message) ||
        !OptionFits(entry.name, "tolerance", entry.tolerance, parser.isSet("tolerance"), message) ||
        !OptionFits(entry.name, "keep-directions", keep, parser.isSet("keep-directions"), message) ||
        !OptionFits(entry.name, "bridge", bridge, parser.isSet("bridge"), message))
        return false;
    request.command = entry.command;
    request.json = parser.isSet("json");
    request.keepDirections = parser.isSet("keep-directions");
    request.input = files[0].toStdString();
    if (!FormatFromFileName(request.input, request.inputFormat)) {
        message = StrFormat("%s: the input must be a .dxf or .dis file", request.input.c_str());
        return false;
    }
    if (entry.outputExtension) {
        request.output = files[1].toStdString();
        if (!HasOneOfExtensions(request.output, entry.outputExtension)) {
            message = StrFormat("%s: the output of %s must be a %s file", request.output.c_str(), entry.name,
                                entry.outputExtension);
            return false;
        }
    }
    return true;
}

// The length in mm of option, when given: a finite number of at least least, or false with message saying so.
bool ReadLength(const QCommandLineParser& parser, const char* option, double least, const std::string& refusal,
                double& value, std::string& message)
{
    if (!parser.isSet(option))
        return true;
    const std::string text = parser.value(option).toStdString();
    value = TextToDouble(text, false, true);
    if (ConversionFailed || !(value >= least) || !std::isfinite(value)) {
        message = StrFormat("--%s %s: %s", option, text.c_str(), refusal.c_str());
        return false;
    }
    return true;
}

// The join distance of --tolerance, with the rule of the join commands: a number of at least Epsilon mm.
bool ReadTolerance(const QCommandLineParser& parser, CliRequest& request, std::string& message)
{
    request.hasTolerance = parser.isSet("tolerance");
    return ReadLength(parser, "tolerance", Epsilon, "Valore di minima distanza non ammesso.", request.tolerance,
                      message);
}

// The bridge length of --bridge: a number of at least 0 mm.
bool ReadBridge(const QCommandLineParser& parser, CliRequest& request, std::string& message)
{
    return ReadLength(parser, "bridge", 0.0, "a length of at least 0 mm is needed", request.bridge, message);
}

// The curve tolerance of --spline-tolerance: a number of at least MinCurveTolerance mm, for a DXF input.
bool ReadCurveTolerance(const QCommandLineParser& parser, CliRequest& request, std::string& message)
{
    if (parser.isSet("spline-tolerance") && request.inputFormat != DrawingFormat::Dxf) {
        message = "--spline-tolerance applies to a DXF input only";
        return false;
    }
    return ReadLength(parser, "spline-tolerance", MinCurveTolerance,
                      StrFormat("a tolerance of at least %g mm is needed", MinCurveTolerance), request.curveTolerance,
                      message);
}

}  // namespace

ParseOutcome ParseArguments(const QStringList& arguments, CliRequest& request, std::string& message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption("json", "Print the report as JSON."));
    parser.addOption(QCommandLineOption("tolerance", "Join distance in mm.", "MM"));
    parser.addOption(
        QCommandLineOption("spline-tolerance", "Largest distance in mm of the arcs from a DXF curve.", "MM"));
    parser.addOption(QCommandLineOption("keep-directions", "Order the paths without running any the other way."));
    parser.addOption(QCommandLineOption("page", "Page of the PDF export: A4 (default) or A3.", "SIZE"));
    parser.addOption(QCommandLineOption("bridge", "Longest bridge between parts in mm (continuous).", "MM"));
    parser.addPositionalArgument("command",
                                 "info, dump, convert, bitmap, simplify, join, optimise, continuous or export.");
    parser.addPositionalArgument("files", "Input (.dxf or .dis), then output.", "FILE...");
    if (!parser.parse(arguments)) {
        message = parser.errorText().toStdString();
        return ParseOutcome::UsageError;
    }
    if (parser.isSet("help")) {
        // Without an application object Qt names the program by a placeholder.
        message = parser.helpText().replace("<executable_name>", "quorvia-cli").toStdString();
        return ParseOutcome::Help;
    }
    if (parser.isSet("version")) {
        message = VersionText("quorvia-cli");
        return ParseOutcome::Help;
    }
    const QStringList positional = parser.positionalArguments();
    const CommandSpec* entry = positional.isEmpty() ? nullptr : FindCommand(positional[0]);
    if (!entry) {
        message = positional.isEmpty() ? "no command given"
                                       : StrFormat("unknown command %s", positional[0].toStdString().c_str());
        return ParseOutcome::UsageError;
    }
    if (!CheckRequest(*entry, parser, request, message) || !ReadTolerance(parser, request, message) ||
        !ReadExportPage(parser, request, message) || !ReadBridge(parser, request, message) ||
        !ReadCurveTolerance(parser, request, message))
        return ParseOutcome::UsageError;
    return ParseOutcome::Run;
}
