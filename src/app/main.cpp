// The application quorvia: the heap policy, the command line (help, version, the files to open), the Qt
// application with the Breeze icon theme, the message box shown as a dialog, the program folder, and the main
// window as it was left; drawing files named on the command line are opened as the import and open commands do.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStringList>

#include <algorithm>

#include "app/desktop/commandline.h"
#include "app/desktop/programfolder.h"
#include "app/heap_policy.h"
#include "ui/mainform.h"
#include "ui/qtmessagebox.h"
#include "ui/widetext.h"
#include "ui/windowlayout.h"
#include "ui/windowplacement.h"

// The main window when no layout is remembered: four fifths of the screen; on a small screen, where every pixel
// counts, maximised over that.
static void ShowAtFirstStart(TMainForm& mainForm)
{
    const QRect screen = mainForm.screen()->availableGeometry();
    mainForm.resize(std::max(TMainForm::MinWidth, screen.width() * 4 / 5),
                    std::max(TMainForm::MinHeight, screen.height() * 4 / 5));
    if (StartMaximised(mainForm.screen()->size()))
        mainForm.showMaximized();
    else
        mainForm.show();
}

int main(int argc, char* argv[])
{
    KeepFreedMemoryForReuse();
    // Help and version are answered before the windowing system is reached, so that they work without a display;
    // an unknown option waits until the application has taken its own (-platform, -style) off the command line.
    const LaunchRequest early = ParseLaunchArguments(ArgumentList(argc, argv));
    if (early.outcome != LaunchOutcome::UsageError)
        if (const std::optional<int> status = AnswerLaunchRequest(early))
            return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName("quorvia");
    QApplication::setApplicationDisplayName("QUORVIA");
    QApplication::setDesktopFileName("quorvia");
    const LaunchRequest request = ParseLaunchArguments(QApplication::arguments());
    if (const std::optional<int> status = AnswerLaunchRequest(request))
        return *status;
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << "/usr/share/icons");
    QIcon::setThemeName("breeze");
    InstallQtMessageBox();
    SetUpProgramFolder();

    TMainForm mainForm;
    QApplication::setWindowIcon(QIcon(":/icons/quorvia.svg"));
    if (!ShowRememberedLayout(mainForm))
        ShowAtFirstStart(mainForm);
    for (const QString& file : request.files)
        mainForm.OpenFileByExtension(ToStdString(file));
    return QApplication::exec();
}
