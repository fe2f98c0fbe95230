// The main window's start-up and shut-down, the opening of drawing windows, and files dropped on the frame.
#include "ui/mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <filesystem>

#include "l10n/messaggi.h"
#include "support/log.h"
#include "support/parlav.h"
#include "support/progdir.h"
#include "ui/mdichild.h"
#include "ui/qttranslations.h"
#include "ui/recentfiles.h"
#include "ui/recovery.h"
#include "ui/samepath.h"
#include "ui/widetext.h"
#include "ui/windowplacement.h"

namespace {

std::string LowerExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

std::string ShowDxfOpenDialog(QWidget* parent, const std::string& folder)
{
    QString file = QFileDialog::getOpenFileName(parent, ToQString(MsgText(329)), ToQString(folder), "File dxf (*.dxf)");
    return ToStdString(file);
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    Q_INIT_RESOURCE(quorvia_ui);
    setObjectName("MainForm");
    setWindowTitle("QUORVIA");
    setMinimumSize(MinWidth, MinHeight);
    setAcceptDrops(true);
    StartServices();

    MDIClient = new QMdiArea(this);
    MDIClient->setObjectName("MDIClient");
    MDIClient->setBackground(QBrush(QPixmap(":/icons/background.svg")));
    MDIClient->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MDIClient->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(MDIClient);
    statusBar()->setObjectName("StatusBar");

    CreateCommands();
    CreateMenus();
    CreateFileSubmenus();
    CreateToolBar();
    ApplyTexts();
    chooseDxfFile = [this](const std::string& folder) { return ShowDxfOpenDialog(this, folder); };
    UpdateCommands();

    Execute = new QTimer(this);
    Execute->setObjectName("Execute");
    Execute->setInterval(TimerInterval);
    connect(Execute, &QTimer::timeout, this, &TMainForm::ExecuteTimer);
    Execute->start();
}

TMainForm::~TMainForm()
{
    CloseProgram();
}

// The program folder, the logs (kept also in files of the data folder), the catalogue with Qt's own texts in the
// same language, and the work data.
void TMainForm::StartServices()
{
    FindProgDir();
    // The logs come first, so that the faults of the message file read next are written to ErrorLog.
    ErrorLog = std::make_unique<Log>("ERR");
    EventLog = std::make_unique<Log>("EV");
    ErrorLog->SetFile(DataFilePath("error.log"));
    EventLog->SetFile(DataFilePath("event.log"));
    WriteEventLog("AVVIO PROGRAMMA");
    CreateMessageCatalogue();
    ApplyQtTranslations(StoredLanguage());
    TheParLav = std::make_unique<ParLav>();
    TheParLav->Load();
    PruneRecoveryCopies(QDateTime::currentSecsSinceEpoch());
}

QMdiSubWindow* TMainForm::FindSubWindow(const std::string& path) const
{
    for (TMDIChild* child : DrawingWindows())
        if (SamePath(child->filePath, path))
            return qobject_cast<QMdiSubWindow*>(child->parentWidget());
    return nullptr;
}

void TMainForm::ShowSubWindow(QMdiSubWindow* window)
{
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    MDIClient->setActiveSubWindow(window);
}

TMDIChild* TMainForm::OpenDrawingWindow(const std::string& path, bool imported)
{
    QMdiSubWindow* window = FindSubWindow(path);
    if (!window) {
        auto* child = new TMDIChild(path, imported);
        window = MDIClient->addSubWindow(child);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setMinimumSize(TMDIChild::MinWidth, TMDIChild::MinHeight);
        // Three quarters of the frame, so that a drawing is seen large and the next window still fits beside it.
        window->resize(MDIClient->viewport()->size() * 3 / 4);
        window->setWindowIcon(QIcon(":/icons/quorvia.svg"));
        KeepFrameShortcuts(window);
        window->show();
        // The frame places each new window a little further on; it stays inside, where its counts are seen.
        window->setGeometry(PlaceInside(window->geometry(), MDIClient->viewport()->rect()));
    }
    ShowSubWindow(window);
    AddRecentFile(path);
    return qobject_cast<TMDIChild*>(window->widget());
}

// A sub-window's own menu closes it with Ctrl+W too, which makes the frame's key ambiguous so that neither acts:
// the frame's commands keep their keys alone.
void TMainForm::KeepFrameShortcuts(QMdiSubWindow* window) const
{
    if (!window->systemMenu())
        return;
    for (QAction* action : window->systemMenu()->actions()) {
        QList<QKeySequence> kept;
        for (const QKeySequence& key : action->shortcuts()) {
            const bool held = std::any_of(CommandTable().begin(), CommandTable().end(), [&key](const CommandSpec& c) {
                return QKeySequence::listFromString(QString(c.shortcut)).contains(key);
            });
            if (!held)
                kept.append(key);
        }
        action->setShortcuts(kept);
    }
}

bool TMainForm::OpenFileByExtension(const std::string& path)
{
    const std::string extension = LowerExtension(path);
    if (extension != ".dxf" && extension != ".dis")
        return false;
    OpenDrawingWindow(path, extension == ".dxf");
    return true;
}

std::vector<TMDIChild*> TMainForm::DrawingWindows() const
{
    std::vector<TMDIChild*> windows;
    if (!MDIClient)
        return windows;
    for (QMdiSubWindow* sub : MDIClient->subWindowList(QMdiArea::CreationOrder)) {
        auto* child = qobject_cast<TMDIChild*>(sub->widget());
        if (child && child->shown)
            windows.push_back(child);
    }
    return windows;
}

TMDIChild* TMainForm::ActiveChild() const
{
    QMdiSubWindow* sub = MDIClient ? MDIClient->currentSubWindow() : nullptr;
    auto* child = sub ? qobject_cast<TMDIChild*>(sub->widget()) : nullptr;
    return child && child->shown ? child : nullptr;
}

bool TMainForm::Active() const
{
    TMDIChild* child = ActiveChild();
    return child && !child->parentWidget()->isMinimized();
}

void TMainForm::CloseProgram()
{
    if (programClosed)
        return;
    programClosed = true;
    for (TMDIChild* child : DrawingWindows())
        child->parentWidget()->close();
    Execute->stop();
    QThread::msleep(200);
    WriteEventLog("CHIUSURA PROGRAMMA");
    MDIClient->setBackground(QBrush());
    TheParLav.reset();
    DestroyMessageCatalogue();
    EventLog.reset();
    ErrorLog.reset();
    close();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    CloseProgram();
    event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        const std::string extension = LowerExtension(ToStdString(url.toLocalFile()));
        if (extension == ".dxf" || extension == ".dis") {
            event->acceptProposedAction();
            return;
        }
    }
}

void TMainForm::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        OpenFileByExtension(ToStdString(url.toLocalFile()));
    event->acceptProposedAction();
}
