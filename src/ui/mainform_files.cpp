// The main window's "File recenti" and "Disegni recuperati" submenus of the "&File" menu: the recent files to open
// again, and the recovery copies to open as new drawings or to delete.
#include <QAction>
#include <QDateTime>
#include <QMenu>

#include <filesystem>

#include "l10n/messaggi.h"
#include "support/mymessagebox.h"
#include "ui/mainform.h"
#include "ui/recentfiles.h"
#include "ui/recovery.h"
#include "ui/widetext.h"

namespace {

// Catalogue entries of the submenus' texts.
constexpr int MsgRecentFiles = 334, MsgRecoveredDrawings = 335, MsgDeleteRecovered = 336,
              MsgDeleteRecoveredQuestion = 337, MsgRecentFileMissing = 338;
constexpr int MsgWarningTitle = 227, MsgConfirmTitle = 228;

QMenu* AddSubmenu(QMenu* parent, QAction* before, const char* name)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "Action");
    parent->insertMenu(before, menu);
    return menu;
}

// "rosone  12/05/2025 14:32": the drawing's name and the time of the copy.
QString RecoveryCopyText(const RecoveryCopy& copy)
{
    const QString time = QDateTime::fromSecsSinceEpoch(copy.time).toString("dd/MM/yyyy hh:mm");
    return ToQString(copy.name) + "    " + time;
}

}  // namespace

void TMainForm::CreateFileSubmenus()
{
    QMenu* fileMenu = findChild<QMenu*>("FileMenu");
    // After the commands that open a drawing, before the separator that follows them.
    const QList<QAction*> entries = fileMenu->actions();
    QAction* before = entries.value(entries.indexOf(Action("ArchDis")) + 1);
    RecentMenu = AddSubmenu(fileMenu, before, "FileRecentiMenu");
    RecoveredMenu = AddSubmenu(fileMenu, before, "DisegniRecuperatiMenu");
    RecentMenu->menuAction()->setIcon(QIcon::fromTheme("document-open-recent"));
    RecoveredMenu->menuAction()->setIcon(QIcon::fromTheme("document-revert"));
    connect(fileMenu, &QMenu::aboutToShow, this, &TMainForm::UpdateFileSubmenus);
    UpdateFileSubmenus();
}

void TMainForm::UpdateFileSubmenus()
{
    RecentMenu->setTitle(ToQString(MsgText(MsgRecentFiles)));
    RecentMenu->clear();
    int number = 1;
    for (const std::string& file : RecentFiles()) {
        QAction* entry = RecentMenu->addAction(QString("&%1 %2").arg(number++).arg(ToQString(file)));
        connect(entry, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
    }
    RecentMenu->menuAction()->setEnabled(!RecentMenu->isEmpty());

    RecoveredMenu->setTitle(ToQString(MsgText(MsgRecoveredDrawings)));
    RecoveredMenu->clear();
    const std::vector<RecoveryCopy> copies = RecoveryCopies();
    for (const RecoveryCopy& copy : copies) {
        QAction* entry = RecoveredMenu->addAction(RecoveryCopyText(copy));
        entry->setStatusTip(ToQString(copy.path));
        entry->setToolTip(ToQString(copy.path));
        const std::string path = copy.path;
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecoveredDrawing(path); });
    }
    if (!copies.empty()) {
        RecoveredMenu->addSeparator();
        QAction* remove = RecoveredMenu->addAction(ToQString(MsgText(MsgDeleteRecovered)));
        remove->setObjectName("EliminaRecuperatiItem");
        connect(remove, &QAction::triggered, this, &TMainForm::DeleteRecoveredDrawings);
    }
    RecoveredMenu->menuAction()->setEnabled(!copies.empty());
}

void TMainForm::OpenRecentFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        RemoveRecentFile(path);
        MyMessageBox(MsgText(MsgRecentFileMissing) + "\n" + path, MsgText(MsgWarningTitle), MsgStyleWarning);
        return;
    }
    OpenFileByExtension(path);
}

void TMainForm::OpenRecoveredDrawing(const std::string& path)
{
    OpenDrawingWindow(path, false);
}

void TMainForm::DeleteRecoveredDrawings()
{
    if (MyMessageBox(MsgText(MsgDeleteRecoveredQuestion), MsgText(MsgConfirmTitle), MsgStyleQuestion) != MsgResultYes)
        return;
    for (const RecoveryCopy& copy : RecoveryCopies())
        RemoveRecoveryCopy(copy.path);
}
