// The path optimisation dialog's controls at their fixed positions, their texts from the message catalogue, and
// what happens when the dialog is shown and closed.
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <utility>

#include "l10n/messaggi.h"
#include "support/parlav.h"
#include "support/text.h"
#include "ui/ottisequ.h"

#include "ui/heldbuttons.h"
#include "ui/iconbar.h"
#include "ui/paintbox.h"
#include "ui/widetext.h"

using F = TOttiSequForm;

namespace {

// Fixed geometry, pixels.
constexpr int ColumnLeft = 8, ColumnWidth = 220, ButtonHeight = 28, LabelHeight = 18, ContinuousWidth = 150;
constexpr int PanelLeft = 236, PanelTop = 8, PanelBorder = 3;
constexpr int RightLeft = PanelLeft + F::PreviewWidth + 2 * PanelBorder + 8;
constexpr int ToolSize = 24, IconSize = 16;
constexpr int DialogWidth = RightLeft + 72, DialogHeight = 640;

// Preview colours (0x00BBGGRR) and margins.
constexpr Color BackgroundColor = 0x000000, FrameColor = 0xF0CAA6, PenColor = 0x00F700, GridColor = 0x303030,
                AxesColor = 0x0000EE, SelectionColor = 0x00FFFF;
constexpr int ViewMargin = 6;

// Captions and hints from the catalogue (-1: none, or the form's own text).
struct ControlText {
    const char* name;
    int captionMsg;
    int hintMsg;
};
constexpr ControlText ControlTexts[] = {
    {"BitBtn6", 161, 162},
    {"BitBtn5", 163, 164},
    {"ManuJoinButton", 156, 157},
    {"AutoJoinButton", 158, 159},
    {"MinDistLbl", 160, -1},
    {"BitBtn1", 165, 166},
    {"BitBtn7", 269, 270},
    {"BitBtn2", 167, 168},
    {"BitBtn3", 169, 170},
    {"BitBtn8", 282, 283},
    {"BitBtn4", 171, 172},
    {"CancelButton", 86, -1},
    {"Label1", 284, -1},
    {"Label2", 285, -1},
    {"Label3", 286, -1},
    {"Label4", 287, -1},
    {"ToolButton9", -1, 39},
    {"ToolButton11", -1, 23},
    {"ToolButton21", -1, 11},
    {"ToolButton34", -1, 7},
    {"ToolButton19", -1, 3},
    {"ToolButton22", -1, 1},
    {"ToolButton3", -1, 120},
    {"ToolButton4", -1, 121},
    {"ToolButton5", -1, 122},
    {"ToolButton7", -1, 123},
    {"ToolButton8", -1, 124},
    {"AniVel", -1, 327},
    {"MinDistEdt", -1, 328},
    {"ReverseOpenChk", 350, 351},
    {"ContinuousButton", 380, 381},
    {"BridgeLbl", 382, -1},
    {"BridgeEdt", -1, 383},
};

// An icon-only button is also named by its hint.
void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
    if (qobject_cast<QToolButton*>(widget))
        widget->setAccessibleName(hint);
}

}  // namespace

const std::vector<F::ToolSpec>& F::ToolTable()
{
    static const std::vector<ToolSpec> table = {
        {"ToolButton1", "Zoom in", "zoom-in", &F::ZoomIn, RepeatZoomIn},
        {"ToolButton2", "Zoom out", "zoom-out", &F::ZoomOut, RepeatZoomOut},
        {"ToolButton3", "Zoom esteso", "zoom-fit-best", &F::ZoomExtentsClick, -1},
        {"ToolButton4", "Zoom sinistra", "arrow-left", &F::ZoomLeft, RepeatLeft},
        {"ToolButton5", "Zoom alto", "arrow-up", &F::ZoomUp, RepeatUp},
        {"ToolButton7", "Zoom destra", "arrow-right", &F::ZoomRight, RepeatRight},
        {"ToolButton8", "Zoom basso", "arrow-down", &F::ZoomDown, RepeatDown},
        {"ToolButton9", "Prossimo percorso della lista", "media-skip-forward", &F::NextStep, -1},
        {"ToolButton11", "Percorso precedente della lista", "media-skip-backward", &F::PreviousStep, -1},
        {"ToolButton21", "Avvia simulazione automatica dei percorsi", "media-playback-start", &F::StartStepping, -1},
        {"ToolButton34", "Avvia simulazione animata dei percorsi", "media-seek-forward", &F::StartAnimated, -1},
        {"ToolButton19", "Metti in pausa la simulazione", "media-playback-pause", &F::PauseSimulation, -1},
        {"ToolButton22", "Ferma la simulazione", "media-playback-stop", &F::StopSimulation, -1},
    };
    return table;
}

F::TOttiSequForm(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("OttiSequForm");
    setWindowTitle("OTTIMIZZAZIONE PERCORSI DELLE LAVORAZIONI");
    setFixedSize(DialogWidth, DialogHeight);
    minAnimationTotal = 0;
    CreateControls();
}

F::~TOttiSequForm() = default;

void F::CreateControls()
{
    CreateCommandColumn();
    DisPanel = new QFrame(this);
    DisPanel->setObjectName("DisPanel");
    DisPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DisPanel->setGeometry(PanelLeft, PanelTop, PreviewWidth + 2 * PanelBorder, PreviewHeight + 2 * PanelBorder);
    DisPaintBox = new PaintBox(DisPanel);
    DisPaintBox->setObjectName("DisPaintBox");
    DisPaintBox->setGeometry(PanelBorder, PanelBorder, PreviewWidth, PreviewHeight);
    DisPaintBox->installEventFilter(this);
    // A new image is blank: the next periodic update paints it.
    connect(DisPaintBox, &PaintBox::Resized, this, [this] {
        if (redrawRequest == 0)
            redrawRequest = 1;
    });

    ZoomToolBar = CreateToolBar("ZoomToolBar", {"ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4",
                                                "ToolButton5", "ToolButton7", "ToolButton8"});
    ZoomToolBar->move(RightLeft, PanelTop);
    SequenzaToolBar = CreateToolBar("SequenzaToolBar", {"ToolButton9", "ToolButton11", "ToolButton21", "ToolButton34",
                                                        "ToolButton19", "ToolButton22"});
    SequenzaToolBar->move(RightLeft, ZoomToolBar->geometry().bottom() + 12);
    for (auto [held, name] : {std::pair{&ToolButton9, "ToolButton9"}, std::pair{&ToolButton11, "ToolButton11"},
                              std::pair{&ToolButton21, "ToolButton21"}, std::pair{&ToolButton34, "ToolButton34"},
                              std::pair{&ToolButton19, "ToolButton19"}, std::pair{&ToolButton22, "ToolButton22"}})
        *held = Button(name);
    CreateSequenceDisplay();

    const int buttonsTop = PanelTop + PreviewHeight + 2 * PanelBorder + 8;
    ModButton = new QPushButton("Ok", this);
    ModButton->setObjectName("ModButton");
    ModButton->setGeometry(PanelLeft + PreviewWidth + 2 * PanelBorder - 212, buttonsTop, 100, 30);
    // Return in the distance edit must not close the dialog: no button is the default.
    ModButton->setAutoDefault(false);
    connect(ModButton, &QPushButton::clicked, this, &QDialog::accept);
    CancelButton = new QPushButton("Annulla", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(ModButton->geometry().right() + 13, buttonsTop, 100, 30);
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The left column, top to bottom: the groups of commands, then "Stop comando".
void F::CreateCommandColumn()
{
    Label1 = CreateLabel("Label1", "Unione entità", 8);
    BitBtn6 = CreateButton("BitBtn6", 28, &F::BitBtn6Click);
    BitBtn5 = CreateButton("BitBtn5", 60, &F::BitBtn5Click);
    Label2 = CreateLabel("Label2", "Unione lavorazioni", 100);
    ManuJoinButton = CreateButton("ManuJoinButton", 120, &F::ManuJoinButtonClick);
    AutoJoinButton = CreateButton("AutoJoinButton", 152, &F::AutoJoinButtonClick);
    MinDistLbl = CreateLabel("MinDistLbl", "Minima distanza fra due entità (mm):", 184);
    MinDistEdt = new QLineEdit(this);
    MinDistEdt->setObjectName("MinDistEdt");
    MinDistEdt->setGeometry(ColumnLeft, 204, 90, 24);
    SetHint(MinDistEdt, "Entità più vicine di questo valore verranno unite");
    // The continuous paths: the caption of the bridge length over its edit, the button beside the edit.
    BridgeLbl = CreateLabel("BridgeLbl", "Ponti (mm):", 236);
    BridgeLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ContinuousButton = CreateButton("ContinuousButton", 256, &F::ContinuousButtonClick);
    ContinuousButton->resize(ContinuousWidth, ButtonHeight);
    BridgeEdt = new QLineEdit("0", this);
    BridgeEdt->setObjectName("BridgeEdt");
    BridgeEdt->setGeometry(ColumnLeft + ContinuousWidth + 6, 258, ColumnWidth - ContinuousWidth - 6, 24);
    Label3 = CreateLabel("Label3", "Utilità lavorazioni", 296);
    BitBtn1 = CreateButton("BitBtn1", 316, &F::BitBtn1Click);
    BitBtn7 = CreateButton("BitBtn7", 348, &F::BitBtn7Click);
    Label4 = CreateLabel("Label4", "Sequenza percorsi", 388);
    BitBtn2 = CreateButton("BitBtn2", 408, &F::BitBtn2Click);
    BitBtn3 = CreateButton("BitBtn3", 440, &F::BitBtn3Click);
    ReverseOpenChk = new QCheckBox("Inverti i percorsi aperti", this);
    ReverseOpenChk->setObjectName("ReverseOpenChk");
    ReverseOpenChk->setGeometry(ColumnLeft + 4, 470, ColumnWidth - 4, 22);
    connect(ReverseOpenChk, &QCheckBox::clicked, this, &F::ReverseOpenChkClick);
    Label5 = CreateLabel("Label5", "Wizard", 502);
    BitBtn8 = CreateButton("BitBtn8", 522, &F::BitBtn8Click);
    BitBtn4 = CreateButton("BitBtn4", 574, &F::BitBtn4Click);
}

QPushButton* F::CreateButton(const char* name, int top, void (TOttiSequForm::*command)())
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setGeometry(ColumnLeft, top, ColumnWidth, ButtonHeight);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] { (this->*command)(); });
    return button;
}

QLabel* F::CreateLabel(const char* name, const char* text, int top)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(ColumnLeft, top, ColumnWidth, LabelHeight);
    return label;
}

QToolBar* F::CreateToolBar(const char* name, std::initializer_list<const char*> buttons)
{
    QToolBar* bar = MakeIconBar(this, name, IconSize);
    for (const char* buttonName : buttons) {
        const ToolSpec& entry = *std::find_if(ToolTable().begin(), ToolTable().end(), [buttonName](const ToolSpec& s) {
            return QString(s.name) == buttonName;
        });
        QToolButton* button = AddIconButton(bar, entry.name, entry.icon, IconSize, ToolSize);
        SetHint(button, entry.fixedHint);
        auto command = entry.command;
        connect(button, &QToolButton::clicked, this, [this, command] { command(*this); });
        if (entry.repeat >= 0)
            ConnectHeld(button, zoomRepeat[entry.repeat]);
    }
    bar->setFixedSize(ToolSize, ToolSize * static_cast<int>(buttons.size()));
    return bar;
}

// The speed track bar with its picture and the step display, under the sequence tool bar.
void F::CreateSequenceDisplay()
{
    AniVelImg = new QLabel(this);
    AniVelImg->setObjectName("AniVelImg");
    AniVelImg->setPixmap(QIcon::fromTheme("speedometer").pixmap(IconSize, IconSize));
    AniVelImg->setGeometry(RightLeft + 4, SequenzaToolBar->geometry().bottom() + 12, IconSize, IconSize);
    AniVelImg->hide();
    AniVel = new QSlider(Qt::Vertical, this);
    AniVel->setObjectName("AniVel");
    AniVel->setRange(SpeedMin, SpeedMax);
    AniVel->setPageStep(5);
    // Position 1, the fastest, at the top: moving the bar up, by mouse, wheel or keys, speeds the display.
    AniVel->setInvertedAppearance(true);
    AniVel->setInvertedControls(true);
    AniVel->setValue(SpeedStart);
    AniVel->setGeometry(RightLeft, AniVelImg->geometry().bottom() + 4, ToolSize, 120);
    SetHint(AniVel, "Accelera la visualizzazione della sequenza");
    AniVel->hide();

    SelSequEdt = new QLineEdit(this);
    SelSequEdt->setObjectName("SelSequEdt");
    SelSequEdt->setReadOnly(true);
    SelSequEdt->setFocusPolicy(Qt::NoFocus);
    SelSequEdt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SelSequEdt->setStyleSheet("QLineEdit { background: black; color: lime; font-size: 20px; font-weight: bold; }");
    SelSequEdt->setGeometry(RightLeft - 4, AniVel->geometry().bottom() + 16, 64, 36);
    SelSequEdt->hide();
}

void F::ApplyTexts()
{
    setWindowTitle(ToQString(MsgText(155)));
    for (const ControlText& entry : ControlTexts) {
        QWidget* widget = findChild<QWidget*>(entry.name);
        if (entry.captionMsg >= 0) {
            const QString caption = ToQString(MsgText(entry.captionMsg));
            if (auto* label = qobject_cast<QLabel*>(widget))
                label->setText(caption);
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                button->setText(caption);
        }
        if (entry.hintMsg >= 0)
            SetHint(widget, ToQString(MsgText(entry.hintMsg)));
    }
}

void F::SetDrawing(Drw& drawing)
{
    workDrw = drawing;
    sourceDrw = &drawing;
}

void F::WriteBack()
{
    if (sourceDrw)
        *sourceDrw = workDrw;
}

void F::FormShow()
{
    ApplyTexts();
    zoomRepeat.fill(0);
    const double distance = TheParLav ? TheParLav->minJoinDistance : 0.0;
    MinDistEdt->setText(ToQString(StrFormat("%.2f", distance)));
    ReverseOpenChk->setChecked(!TheParLav || TheParLav->reverseOpenPaths);
    step = 0;
    runCounter = 0;
    paused = false;
    mode = ModeIdle;
    view = std::make_unique<myDraw>(DisPaintBox->GetCanvas(), DisPaintBox->width(), DisPaintBox->height(), true, false);
    view->SetColors(BackgroundColor, FrameColor, PenColor, GridColor, AxesColor);
    view->SetSelColor(1, SelectionColor);
    view->SetMargins(ViewMargin, ViewMargin, ViewMargin, ViewMargin);
    view->ShowAxes(false);
    view->ShowGrid(false);
    view->ShowArrows(true);
    ZoomExtents();
    redrawRequest = 1;
    active = true;
}

void F::FormClose()
{
    active = false;
    view.reset();
}

void F::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void F::done(int result)
{
    closing = true;
    FormClose();
    QDialog::done(result);
    closing = false;
}

// The dialog closes only through Ok and Annulla: the window manager's close and Escape are refused.
void F::closeEvent(QCloseEvent* event)
{
    if (closing)
        event->accept();
    else
        event->ignore();
}

void F::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QToolButton* F::Button(const QString& name) const
{
    return findChild<QToolButton*>(name);
}
