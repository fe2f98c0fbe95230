// The export command: a windowless Qt application (fonts and painting) around the exports of the drawing window.
#include "cli_export.h"

#include <QGuiApplication>

#include "cli_commands.h"
#include "support/text.h"
#include "ui/export/exportformats.h"

bool ReadExportPage(const QCommandLineParser& parser, CliRequest& request, std::string& message)
{
    if (!parser.isSet("page"))
        return true;
    const std::string page = parser.value("page").toStdString();
    if (request.command != CliCommand::Export) {
        message = "only export takes --page";
        return false;
    }
    if (!EqualsNoCase(page, "A4") && !EqualsNoCase(page, "A3")) {
        message = StrFormat("--page %s: the page must be A4 or A3", page.c_str());
        return false;
    }
    request.a3Page = EqualsNoCase(page, "A3");
    return true;
}

int ExportCommand(const Drw& drawing, const CliRequest& request)
{
    // Painting and fonts need an application: a windowless one, on the offscreen platform unless another is asked
    // for, for the time of the export.
    int argc = 1;
    char name[] = "quorvia-cli";
    char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    return ExportDrawing(drawing, request.output, request.a3Page ? PaperSize::A3 : PaperSize::A4, request.input)
               ? ExitOk
               : ExitFileError;
}
