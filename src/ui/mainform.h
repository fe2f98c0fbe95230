// TMainForm: the multiple-document main window. It sets up the process-wide services, builds its menus and
// command tool bar from one command table, opens drawing windows, drives them with one 120 ms timer, enables
// its commands from the active drawing window's state and shuts the program down in order.
// mainform.cpp: start-up, opening windows, shut-down, drops; mainform_commands.cpp: the command table, menus,
// tool bar and the frame's own commands; mainform_timer.cpp: the timer tick and the enabling of the commands;
// mainform_files.cpp: the recent files and the recovered drawings of the "&File" menu.
#pragma once

#include <QMainWindow>

#include <functional>
#include <string>
#include <vector>

#include "ui/archive_commands.h"
#include "ui/edit_commands.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class TMDIChild;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- Drawing windows (mainform.cpp) ----
    // Brings the open window of path (paths compared after resolving them) to the front, restoring it when
    // minimised, or opens a new drawing window on it. Returns the window.
    TMDIChild* OpenDrawingWindow(const std::string& path, bool imported);
    // Opens a file by its extension: .dxf imported, .dis read; false (nothing opened) for any other file.
    bool OpenFileByExtension(const std::string& path);
    // The drawing windows that have been shown and not closed, in the order of the frame's list.
    std::vector<TMDIChild*> DrawingWindows() const;
    // The current drawing window when it has been shown (it may be minimised); nullptr otherwise.
    TMDIChild* ActiveChild() const;
    // A current drawing window exists, has been shown and is not minimised.
    bool Active() const;
    // Closes every drawing window, stops the timer, writes "CHIUSURA PROGRAMMA", releases the process-wide
    // services and closes the frame; runs once.
    void CloseProgram();

    // ---- Commands (mainform_commands.cpp) ----
    // The action of a command by its component name ("SaveFile"); nullptr when there is none.
    QAction* Action(const QString& name) const;
    // Sets the captions and hints that come from the message catalogue.
    void ApplyTexts();
    void ImportDxfExecute();
    void FileOpenExecute() { OpenDrawingFromChooser(*this); }
    void ArchDisExecute() { OpenDrawingFromArchive(*this); }
    void EliminadisegnoItemClick() { DeleteArchiveDrawing(*this); }
    void FileCloseExecute();
    void ChiudiTuttiExecute();
    void FileExitExecute();
    void ZoomPiuItemClick();
    void ZoomMenoItemClick();
    void ZoomAllItemClick();
    void ZoomSinistraItemClick();
    void ZoomAltoItemClick();
    void ZoomDestraItemClick();
    void ZoomBassoItemClick();
    void ZoomAllTuttiItemClick();
    void EnableOsnapItemClick();
    void GrigliaItemClick();
    void WindowCascadeExecute();
    void WindowTileHorizontalExecute();
    void WindowTileVerticalExecute();
    void WindowMinimizeAllExecute();
    void Cambiolingua1Execute();  // help_commands.cpp, like the two help entries
    void HelpExecute();
    void HelpAboutExecute();

    // ---- Entries forwarded to the active drawing window (mainform_drawing.cpp) ----
    // Saving, export, mirror, rotate, simplify and restore.
    void SaveFileExecute();
    void SaveAsFileExecute();
    void EsportabitmapItemClick();
    void SpecchiaYExecute();
    void SpecchiaXExecute();
    void RuotaCWExecute();
    void RuotaCCWExecute();
    void SimpleDrwMenuClick();
    void RipristinaDrwExecute();
    // The simulation ("Percorsi").
    void SequNextExecute();
    void SequPrevExecute();
    void SequPlayExecute();
    void SequPlayAniExecute();
    void SequPauseExecute();
    void SequStopExecute();
    void OttiSequActExecute();
    void SpostaActionExecute() { MoveEntitiesCommand(*this); }  // the entity dialogs (edit_commands.cpp)
    void CopiaActionExecute() { CopyEntitiesCommand(*this); }
    void DelEntActionExecute() { DeleteEntitiesCommand(*this); }
    void RidimEntActExecute() { ResizeEntitiesCommand(*this); }
    void RidimensionaExecute() { ResizeDrawingCommand(*this); }
    // The drawing tools ("Disegna").
    void LineaItemClick();
    void PolilineaItemClick();
    void ArcItemClick();
    void PoliarcItemClick();
    void RettangoloItemClick();
    void CerchioItemClick();
    void StopdisegnoItemClick();
    // Undo and redo ("Modifica").
    void AnnullaItemClick();
    void RipetiItemClick();

    // ---- "File recenti" and "Disegni recuperati" in the "&File" menu (mainform_files.cpp) ----
    // Fills both submenus from the recent files and the recovery copies, with their captions; an empty one is
    // disabled. Runs whenever the "&File" menu opens.
    void UpdateFileSubmenus();
    // Opens a recent file by its extension; a file no longer found is taken off the list with a message.
    void OpenRecentFile(const std::string& path);
    // Opens a recovery copy in a drawing window of its own, as a drawing never saved.
    void OpenRecoveredDrawing(const std::string& path);
    // Asks, then removes every recovery copy.
    void DeleteRecoveredDrawings();
    QMenu* RecentMenu = nullptr;
    QMenu* RecoveredMenu = nullptr;

    // ---- Timer (mainform_timer.cpp) ----
    // One tick: every shown drawing window's Tick, the open preview dialogs, then UpdateCommands. A tick that
    // starts while another runs (a modal dialog opened inside a tick) returns at once.
    void ExecuteTimer();
    // Enables every command by its rule; a command whose code is not wired yet stays disabled.
    void UpdateCommands();
    // Preview dialogs register their periodic update for the time they exist; it runs on each tick while the
    // dialog is visible.
    void AddPreviewDialog(QWidget* dialog, std::function<void()> update);
    void RemovePreviewDialog(QWidget* dialog);

    // Chooses the DXF file to import, starting in folder; an empty result means cancelled. The default shows
    // the open dialog; tests replace it.
    std::function<std::string(const std::string& folder)> chooseDxfFile;
    // The folder of the last DXF file chosen, with a trailing '/'; empty at start.
    std::string lastDxfFolder;

    QMdiArea* MDIClient = nullptr;
    QToolBar* ToolBarCmd = nullptr;
    QTimer* Execute = nullptr;

    static constexpr int MinWidth = 820, MinHeight = 450;
    static constexpr int TimerInterval = 120;  // ms

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // One entry of the command table: component name, caption and hint (catalogue entry, or the fixed text when
    // the entry is -1), icon, shortcut, the command, and the rule that enables it.
    struct CommandSpec {
        const char* name;
        int captionMsg;
        const char* fixedCaption;
        int hintMsg;
        const char* fixedHint;
        const char* icon;
        const char* shortcut;
        void (TMainForm::*command)();
        bool (TMainForm::*rule)() const;
        bool checkable;
    };
    // A menu: its name, caption (catalogue entry or fixed) and its commands in order.
    struct MenuSpec {
        const char* name;
        int captionMsg;
        const char* fixedCaption;
        std::vector<const char*> commands;
    };
    static const std::vector<CommandSpec>& CommandTable();
    static const std::vector<MenuSpec>& MenuTable();
    void CreateCommands();
    void CreateMenus();
    void CreateToolBar();
    void RebuildWindowMenu();
    void ShowSubWindow(QMdiSubWindow* window);
    // Runs a command of the active drawing window, when there is one that has been shown.
    void ForwardToActive(void (TMDIChild::*command)());
    QMdiSubWindow* FindSubWindow(const std::string& path) const;
    void TileWindows(bool horizontal);
    // Drops from the sub-window's own menu the keys that the frame's commands hold.
    void KeepFrameShortcuts(QMdiSubWindow* window) const;
    void StartServices();
    void CreateFileSubmenus();
    // The undo and redo entries name their steps.
    void UpdateHistoryTexts();

    // Enabling rules (mainform_timer.cpp).
    bool Always() const { return true; }
    bool HasWindow() const;
    bool ActiveRule() const { return Active(); }
    bool ActiveMany() const;
    bool ActiveNotRunning() const;
    bool ActiveSave() const;
    bool ActiveStep() const;
    bool ActiveAnimatedStart() const;
    bool ActivePause() const;
    bool ActiveStop() const;
    bool ActiveTool() const;
    bool ActiveStopTool() const;
    bool ActiveUndo() const;
    bool ActiveRedo() const;

    struct PreviewDialog {
        QWidget* dialog;
        std::function<void()> update;
    };
    std::vector<PreviewDialog> previewDialogs;
    QMenu* windowMenu = nullptr;
    bool programClosed = false;  // CloseProgram has run
    bool inTick = false;         // re-entrancy guard of ExecuteTimer
};
