// The DXF import driver: prepares the program folder and the logs, runs one ImportDxfClass over the file and keeps
// its warnings for the caller.
#include "dxf/importdxf.h"

#include <memory>
#include <utility>

#include "dxf/importdxfclass.h"
#include "support/log.h"
#include "support/progdir.h"

namespace {

std::function<void(int)> pendingProgress;
int lastWarnings = 0;
std::map<std::string, int> lastSkipped;

// "Entità DXF non importate: HATCH 2, TEXT 5", or nothing when none was passed over.
void LogSkipped(const std::map<std::string, int>& skipped)
{
    if (skipped.empty())
        return;
    std::string line = "Entità DXF non importate:";
    const char* separator = " ";
    for (const auto& [kind, count] : skipped) {
        line += separator + kind + " " + std::to_string(count);
        separator = ", ";
    }
    WriteEventLog(line);
}

// Puts fresh logs in place for its lifetime and then restores the previous ones, handing them what was written
// meanwhile, so that an import never costs the program its logs.
class ImportLogs {
public:
    ImportLogs()
        : previousError(std::exchange(ErrorLog, std::make_unique<Log>("ERR"))),
          previousEvent(std::exchange(EventLog, std::make_unique<Log>("EV")))
    {
    }
    ~ImportLogs()
    {
        Restore(ErrorLog, previousError);
        Restore(EventLog, previousEvent);
    }
    ImportLogs(const ImportLogs&) = delete;
    ImportLogs& operator=(const ImportLogs&) = delete;

private:
    static void Restore(std::unique_ptr<Log>& log, std::unique_ptr<Log>& previous)
    {
        if (previous && log) {
            for (const std::string& line : log->Lines())
                previous->Write(line);
        }
        log = std::move(previous);
    }

    std::unique_ptr<Log> previousError;
    std::unique_ptr<Log> previousEvent;
};

}  // namespace

void SetImportProgress(std::function<void(int)> callback)
{
    pendingProgress = std::move(callback);
}

void ImportDxf(const std::string& fileName, Drw& drawing, double curveTolerance)
{
    drawing.Clear();
    FindProgDir();
    ImportLogs logs;
    ImportDxfClass import(fileName, drawing);
    if (pendingProgress)
        import.SetProgressCallback(std::move(pendingProgress));
    pendingProgress = nullptr;
    import.SetCurveTolerance(curveTolerance);
    import.Import();
    lastWarnings = import.warnings;
    lastSkipped = import.skipped;
    LogSkipped(lastSkipped);
}

int GetImportWarnings()
{
    return lastWarnings;
}

const std::map<std::string, int>& GetImportSkipped()
{
    return lastSkipped;
}
