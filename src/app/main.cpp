// The application quorvia: the heap policy, the Qt application with the Breeze icon theme, the message box shown
// as a dialog, and the main window; drawing files named on the command line are opened as the import and open
// commands do.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStringList>

#include <algorithm>

#include "app/heap_policy.h"
#include "ui/mainform.h"
#include "ui/qtmessagebox.h"
#include "ui/widetext.h"
#include "ui/windowplacement.h"

int main(int argc, char* argv[])
{
    KeepFreedMemoryForReuse();
    QApplication application(argc, argv);
    QApplication::setApplicationName("quorvia");
    QApplication::setApplicationDisplayName("QUORVIA");
    QApplication::setDesktopFileName("quorvia");
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << "/usr/share/icons");
    QIcon::setThemeName("breeze");
    InstallQtMessageBox();

    TMainForm mainForm;
    QApplication::setWindowIcon(QIcon(":/icons/quorvia.svg"));
    // On a small screen every pixel counts: the frame starts maximised; on a large one it takes four fifths.
    if (StartMaximised(mainForm.screen()->size())) {
        mainForm.showMaximized();
    } else {
        const QRect screen = mainForm.screen()->availableGeometry();
        mainForm.resize(std::max(TMainForm::MinWidth, screen.width() * 4 / 5),
                        std::max(TMainForm::MinHeight, screen.height() * 4 / 5));
        mainForm.show();
    }
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        mainForm.OpenFileByExtension(ToStdString(arguments[i]));
    return QApplication::exec();
}
