// The main window's command table, the menus and the command tool bar built from it, the catalogue texts, and
// the frame's own commands: import, close, exit, zoom and pan, window arrangement, the snap switches.
#include <QAction>
#include <QFileDialog>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <filesystem>

#include "l10n/messaggi.h"
#include "support/parlav.h"
#include "support/progdir.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/widetext.h"
#include "ui/windowplacement.h"

using M = TMainForm;

// A command with a null `command` is not wired yet: its rule is kept, but it stays disabled (UpdateCommands).
const std::vector<M::CommandSpec>& M::CommandTable()
{
    static const std::vector<CommandSpec> table = {
        // "&File"
        {"ImportDxf", 40, "", 41, "", "document-import", "Ctrl+I", &M::ImportDxfExecute, &M::Always, false},
        {"FileOpen", 42, "", 43, "", "document-open", "Ctrl+O", &M::FileOpenExecute, &M::Always, false},
        {"ArchDis", 24, "", 25, "", "document-open-folder", "", &M::ArchDisExecute, &M::Always, false},
        {"SaveFile", 50, "", 51, "", "document-save", "Ctrl+S", &M::SaveFileExecute, &M::ActiveSave, false},
        {"SaveAsFile", 46, "", 47, "", "document-save-as", "Ctrl+Shift+S", &M::SaveAsFileExecute, &M::ActiveNotRunning,
         false},
        {"FileClose", 44, "", 45, "", "document-close", "Ctrl+W", &M::FileCloseExecute, &M::HasWindow, false},
        {"ChiudiTutti", 313, "", 314, "", "window-close", "", &M::ChiudiTuttiExecute, &M::HasWindow, false},
        {"EsportabitmapItem", 311, "", 322, "", "image-bmp", "", &M::EsportabitmapItemClick, &M::ActiveRule, false},
        {"EliminadisegnoItem", 64, "", -1, "", "edit-delete", "", &M::EliminadisegnoItemClick, &M::Always, false},
        {"FileExit", 48, "", 49, "", "application-exit", "Ctrl+Q", &M::FileExitExecute, &M::Always, false},
        // "Visualizza"
        {"ZoomPiuItem", -1, "Zoom +", -1, "", "zoom-in", "Ctrl++", &M::ZoomPiuItemClick, &M::ActiveRule, false},
        {"ZoomMenoItem", -1, "Zoom -", -1, "", "zoom-out", "Ctrl+-", &M::ZoomMenoItemClick, &M::ActiveRule, false},
        {"ZoomAllItem", 66, "", -1, "", "zoom-fit-best", "Ctrl+0", &M::ZoomAllItemClick, &M::ActiveRule, false},
        {"ZoomSinistraItem", 67, "", -1, "", "arrow-left", "", &M::ZoomSinistraItemClick, &M::ActiveRule, false},
        {"ZoomAltoItem", 68, "", -1, "", "arrow-up", "", &M::ZoomAltoItemClick, &M::ActiveRule, false},
        {"ZoomDestraItem", 69, "", -1, "", "arrow-right", "", &M::ZoomDestraItemClick, &M::ActiveRule, false},
        {"ZoomBassoItem", 70, "", -1, "", "arrow-down", "", &M::ZoomBassoItemClick, &M::ActiveRule, false},
        {"ZoomAllTuttiItem", 71, "", -1, "", "zoom-fit-page", "", &M::ZoomAllTuttiItemClick, &M::ActiveMany, false},
        // "Disegna"
        {"LineaItem", 290, "", 291, "", "draw-line", "", &M::LineaItemClick, &M::ActiveTool, false},
        {"PolilineaItem", 309, "", 307, "", "draw-polyline", "", &M::PolilineaItemClick, &M::ActiveTool, false},
        {"ArcItem", 294, "", 295, "", "draw-halfcircle3", "", &M::ArcItemClick, &M::ActiveTool, false},
        {"PoliarcItem", 310, "", 308, "", "draw-halfcircle1", "", &M::PoliarcItemClick, &M::ActiveTool, false},
        {"RettangoloItem", 299, "", 300, "", "draw-rectangle", "", &M::RettangoloItemClick, &M::ActiveTool, false},
        {"CerchioItem", 301, "", 302, "", "draw-circle", "", &M::CerchioItemClick, &M::ActiveTool, false},
        {"StopdisegnoItem", 293, "", 293, "", "process-stop", "", &M::StopdisegnoItemClick, &M::ActiveStopTool, false},
        {"EnableOsnapItem", -1, "Osnap", -1, "Osnap", "snap-intersection", "", &M::EnableOsnapItemClick, &M::Always,
         true},
        {"GrigliaItem", 296, "", 297, "", "view-grid", "", &M::GrigliaItemClick, &M::Always, true},
        // "Modifica": undo and redo, the dialogs (move, copy, delete, resize entities, resize drawing) and the
        // drawing commands
        {"AnnullaItem", 330, "", 332, "", "edit-undo", "Ctrl+Z", &M::AnnullaItemClick, &M::ActiveUndo, false},
        {"RipetiItem", 331, "", 333, "", "edit-redo", "Ctrl+Shift+Z; Ctrl+Y", &M::RipetiItemClick, &M::ActiveRedo,
         false},
        {"SpostaAction", 20, "", 21, "", "transform-move", "", &M::SpostaActionExecute, &M::ActiveNotRunning, false},
        {"CopiaAction", 14, "", 15, "", "edit-copy", "", &M::CopiaActionExecute, &M::ActiveNotRunning, false},
        {"DelEntAction", 18, "", 19, "", "edit-delete", "", &M::DelEntActionExecute, &M::ActiveNotRunning, false},
        {"RidimEntAct", 264, "", 265, "", "edit-node", "", &M::RidimEntActExecute, &M::ActiveNotRunning, false},
        {"Ridimensiona", 36, "", 37, "", "transform-scale", "", &M::RidimensionaExecute, &M::ActiveNotRunning, false},
        {"SpecchiaY", 28, "", 29, "", "object-flip-vertical", "", &M::SpecchiaYExecute, &M::ActiveNotRunning, false},
        {"SpecchiaX", 26, "", 27, "", "object-flip-horizontal", "", &M::SpecchiaXExecute, &M::ActiveNotRunning, false},
        {"RuotaCW", 32, "", 33, "", "object-rotate-right", "", &M::RuotaCWExecute, &M::ActiveNotRunning, false},
        {"RuotaCCW", 34, "", 35, "", "object-rotate-left", "", &M::RuotaCCWExecute, &M::ActiveNotRunning, false},
        {"SimpleDrwMenu", 303, "", -1, "", "path-simplify", "", &M::SimpleDrwMenuClick, &M::ActiveNotRunning, false},
        {"RipristinaDrw", 30, "", 31, "", "document-revert", "", &M::RipristinaDrwExecute, &M::ActiveNotRunning, false},
        // "Percorsi": the simulation commands and the path optimisation dialog
        {"SequNext", 38, "", 39, "", "media-skip-forward", "", &M::SequNextExecute, &M::ActiveStep, false},
        {"SequPrev", 22, "", 23, "", "media-skip-backward", "", &M::SequPrevExecute, &M::ActiveStep, false},
        {"SequPlay", 10, "", 11, "", "media-playback-start", "", &M::SequPlayExecute, &M::ActiveStep, false},
        {"SequPlayAni", 6, "", 7, "", "media-seek-forward", "", &M::SequPlayAniExecute, &M::ActiveAnimatedStart, false},
        {"SequPause", 2, "", 3, "", "media-playback-pause", "", &M::SequPauseExecute, &M::ActivePause, false},
        {"SequStop", 0, "", 1, "", "media-playback-stop", "", &M::SequStopExecute, &M::ActiveStop, false},
        {"OttiSequAct", 4, "", 5, "", "format-connect-node", "", &M::OttiSequActExecute, &M::ActiveNotRunning,
         false},  // optimisation
        // "&Strumenti"
        {"Cambiolingua1", 77, "", -1, "", "languages", "", &M::Cambiolingua1Execute, &M::Always, false},
        // "&Window"
        {"WindowCascade", 56, "", 57, "", ":/icons/window-cascade.svg", "", &M::WindowCascadeExecute, &M::HasWindow,
         false},
        {"WindowTileHorizontal", 58, "", 59, "", "view-split-top-bottom", "", &M::WindowTileHorizontalExecute,
         &M::HasWindow, false},
        {"WindowTileVertical", 60, "", 61, "", "view-split-left-right", "", &M::WindowTileVerticalExecute,
         &M::HasWindow, false},
        {"WindowMinimizeAll", 62, "", 63, "", "window-minimize", "", &M::WindowMinimizeAllExecute, &M::HasWindow,
         false},
        // "&Help"
        {"Help", 54, "", 55, "", "help-contents", "F1", &M::HelpExecute, &M::Always, false},
        {"HelpAbout", 52, "", 53, "", "help-about", "", &M::HelpAboutExecute, &M::Always, false},
    };
    return table;
}

const std::vector<M::MenuSpec>& M::MenuTable()
{
    static const std::vector<MenuSpec> menus = {
        {"FileMenu",
         -1,
         "&File",
         {"ImportDxf", "FileOpen", "ArchDis", "|", "SaveFile", "SaveAsFile", "|", "FileClose", "ChiudiTutti", "|",
          "EsportabitmapItem", "EliminadisegnoItem", "|", "FileExit"}},
        {"VisualizzaMenu",
         65,
         "",
         {"ZoomPiuItem", "ZoomMenoItem", "ZoomAllItem", "|", "ZoomSinistraItem", "ZoomAltoItem", "ZoomDestraItem",
          "ZoomBassoItem", "|", "ZoomAllTuttiItem"}},
        {"DisegnaMenu",
         312,
         "",
         {"LineaItem", "PolilineaItem", "ArcItem", "PoliarcItem", "RettangoloItem", "CerchioItem", "|",
          "StopdisegnoItem", "|", "EnableOsnapItem", "GrigliaItem"}},
        {"ModificaMenu",
         72,
         "",
         {"AnnullaItem", "RipetiItem", "|", "SpostaAction", "CopiaAction", "DelEntAction", "RidimEntAct",
          "Ridimensiona", "|", "SpecchiaY", "SpecchiaX", "RuotaCW", "RuotaCCW", "|", "SimpleDrwMenu", "|",
          "RipristinaDrw"}},
        {"PercorsiMenu",
         74,
         "",
         {"SequNext", "SequPrev", "SequPlay", "SequPlayAni", "SequPause", "SequStop", "|", "OttiSequAct"}},
        {"StrumentiMenu", 75, "", {"Cambiolingua1"}},
        {"WindowMenu",
         -1,
         "&Window",
         {"WindowCascade", "WindowTileHorizontal", "WindowTileVertical", "WindowMinimizeAll"}},
        {"HelpMenu", -1, "&Help", {"Help", "HelpAbout"}},
    };
    return menus;
}

namespace {

// The catalogue's text of entry, or fixed when entry is -1.
QString CatalogueText(int entry, const char* fixed)
{
    return entry >= 0 ? ToQString(MsgText(entry)) : QString(fixed);
}

QIcon CommandIcon(const char* icon)
{
    return icon[0] == ':' ? QIcon(QString(icon)) : QIcon::fromTheme(QString(icon));
}

}  // namespace

void M::CreateCommands()
{
    for (const CommandSpec& entry : CommandTable()) {
        auto* action = new QAction(this);
        action->setObjectName(entry.name);
        action->setIcon(CommandIcon(entry.icon));
        action->setCheckable(entry.checkable);
        // Several shortcuts are separated by "; ".
        if (entry.shortcut[0])
            action->setShortcuts(QKeySequence::listFromString(QString(entry.shortcut)));
        if (entry.command) {
            auto command = entry.command;
            connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
        }
        action->setEnabled(false);
    }
    Action("EnableOsnapItem")->setChecked(TheParLav->osnapEnabled);
    Action("GrigliaItem")->setChecked(TheParLav->gridSnapEnabled);
}

void M::CreateMenus()
{
    for (const MenuSpec& entry : MenuTable()) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(entry.name);
        for (const char* name : entry.commands) {
            if (QString(name) == "|")
                menu->addSeparator();
            else
                menu->addAction(Action(name));
        }
        if (QString(entry.name) == "WindowMenu") {
            windowMenu = menu;
            connect(menu, &QMenu::aboutToShow, this, &M::RebuildWindowMenu);
        }
    }
}

void M::CreateToolBar()
{
    ToolBarCmd = addToolBar(QString());
    ToolBarCmd->setObjectName("ToolBarCmd");
    ToolBarCmd->setMovable(false);
    for (const char* name : {"FileOpen", "ArchDis", "SaveFile", "ImportDxf", "FileClose", "|", "WindowCascade",
                             "WindowTileHorizontal", "WindowTileVertical", "WindowMinimizeAll", "|", "HelpAbout"}) {
        if (QString(name) == "|")
            ToolBarCmd->addSeparator();
        else
            ToolBarCmd->addAction(Action(name));
    }
}

QAction* M::Action(const QString& name) const
{
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void M::ApplyTexts()
{
    for (const CommandSpec& entry : CommandTable()) {
        QAction* action = Action(entry.name);
        action->setText(CatalogueText(entry.captionMsg, entry.fixedCaption));
        QString hint = CatalogueText(entry.hintMsg, entry.fixedHint);
        action->setToolTip(hint.isEmpty() ? QString(action->text()).remove('&') : hint);
        action->setStatusTip(hint);
    }
    for (const MenuSpec& entry : MenuTable())
        findChild<QMenu*>(entry.name)->setTitle(CatalogueText(entry.captionMsg, entry.fixedCaption));
}

// The window menu: its four commands, then one checkable entry per drawing window, the current one checked.
void M::RebuildWindowMenu()
{
    for (QAction* action : windowMenu->actions())
        if (action->property("windowEntry").toBool())
            delete action;
    const std::vector<TMDIChild*> windows = DrawingWindows();
    if (!windows.empty())
        windowMenu->addSeparator()->setProperty("windowEntry", true);
    int number = 1;
    for (TMDIChild* child : windows) {
        auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
        QString text = QString("&%1 %2").arg(number++).arg(ToQString(child->filePath));
        QAction* action = windowMenu->addAction(text, this, [this, sub] { ShowSubWindow(sub); });
        action->setProperty("windowEntry", true);
        action->setCheckable(true);
        action->setChecked(sub == MDIClient->currentSubWindow());
    }
}

void M::ImportDxfExecute()
{
    std::string folder = lastDxfFolder;
    if (folder.empty()) {
        // The shipped sample drawings are the first place to look.
        std::error_code error;
        folder = std::filesystem::is_directory(ProgDir + "/samples", error) ? ProgDir + "/samples/" : ProgDir + "/";
    }
    std::string file = chooseDxfFile(folder);
    if (file.empty())
        return;
    lastDxfFolder = std::filesystem::path(file).parent_path().string() + "/";
    OpenDrawingWindow(file, true);
}

void M::FileCloseExecute()
{
    if (QMdiSubWindow* sub = MDIClient->currentSubWindow())
        sub->close();
}

void M::ChiudiTuttiExecute()
{
    for (TMDIChild* child : DrawingWindows())
        child->parentWidget()->close();
}

void M::FileExitExecute()
{
    CloseProgram();
}

void M::ZoomPiuItemClick()
{
    if (Active())
        ActiveChild()->ZoomIn();
}
void M::ZoomMenoItemClick()
{
    if (Active())
        ActiveChild()->ZoomOut();
}
void M::ZoomAllItemClick()
{
    if (Active())
        ActiveChild()->ZoomExtents();
}
void M::ZoomSinistraItemClick()
{
    if (Active())
        ActiveChild()->ZoomLeft();
}
void M::ZoomAltoItemClick()
{
    if (Active())
        ActiveChild()->ZoomUp();
}
void M::ZoomDestraItemClick()
{
    if (Active())
        ActiveChild()->ZoomRight();
}
void M::ZoomBassoItemClick()
{
    if (Active())
        ActiveChild()->ZoomDown();
}

void M::ZoomAllTuttiItemClick()
{
    for (TMDIChild* child : DrawingWindows()) {
        child->FitDrawing();
        child->RepaintDrawing();
    }
}

void M::EnableOsnapItemClick()
{
    TheParLav->osnapEnabled = !TheParLav->osnapEnabled;
    TheParLav->Save();
    Action("EnableOsnapItem")->setChecked(TheParLav->osnapEnabled);
}

void M::GrigliaItemClick()
{
    TheParLav->gridSnapEnabled = !TheParLav->gridSnapEnabled;
    TheParLav->Save();
    Action("GrigliaItem")->setChecked(TheParLav->gridSnapEnabled);
}

void M::WindowCascadeExecute()
{
    MDIClient->cascadeSubWindows();
}
void M::WindowTileHorizontalExecute()
{
    TileWindows(true);
}
void M::WindowTileVerticalExecute()
{
    TileWindows(false);
}

void M::WindowMinimizeAllExecute()
{
    for (TMDIChild* child : DrawingWindows())
        child->parentWidget()->showMinimized();
}

// Horizontal tiling stacks the windows that are not minimised one above the other, each the full width of the
// frame; vertical tiling puts them side by side, each the full height. Windows that would be smaller than their
// minimum size go in further columns (rows), all inside the frame.
void M::TileWindows(bool horizontal)
{
    std::vector<QMdiSubWindow*> windows;
    for (TMDIChild* child : DrawingWindows()) {
        auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
        if (!sub->isMinimized())
            windows.push_back(sub);
    }
    if (windows.empty())
        return;
    const std::vector<QRect> places = TileRects(static_cast<int>(windows.size()), MDIClient->viewport()->rect(),
                                                QSize(TMDIChild::MinWidth, TMDIChild::MinHeight), horizontal);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(places[i]);
    }
}
