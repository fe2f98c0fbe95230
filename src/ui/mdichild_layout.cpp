// The drawing window's controls: the button table (names, hints, icons, commands, enabling rules), the tool bars
// built from it, the labels and panels, their fixed positions, and the enabled state of the buttons.
#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "l10n/messaggi.h"
#include "ui/mdichild.h"

#include "ui/heldbuttons.h"
#include "ui/iconbar.h"
#include "ui/paintbox.h"
#include "ui/widetext.h"

using C = TMDIChild;

namespace {

constexpr int ButtonSize = 22;  // pixels, square
constexpr int IconSize = 16;
constexpr int ToolBarTop = 4;
constexpr int AniVelLength = 100, AniVelMinLength = 40;          // pixels of the speed track bar
constexpr int InfoWidth = 72, InfoMarginX = 1, InfoMarginY = 2;  // pixels of the counts' panel
// Point sizes of the counts: the largest that shows every count whole on one line; below the smallest a count
// takes a second line.
constexpr int InfoPointSize = 8, InfoMinPointSize = 6;

}  // namespace

const std::vector<C::ButtonSpec>& C::ButtonTable()
{
    static const std::vector<ButtonSpec> table = {
        // ZoomToolBar
        {"ToolButton1", -1, "Zoom in", "zoom-in", &C::ZoomIn, &C::Always, RepeatZoomIn},
        {"ToolButton2", -1, "Zoom out", "zoom-out", &C::ZoomOut, &C::Always, RepeatZoomOut},
        {"ToolButton3", 120, "Zoom esteso", "zoom-fit-best", &C::ZoomExtents, &C::Always, -1},
        {"ZoomFinestraButton", 360, "Zoom finestra", "zoom-select", &C::ZoomWindowCommand, &C::ZoomWindowRule, -1},
        {"ToolButton4", 121, "Zoom sinistra", "arrow-left", &C::ZoomLeft, &C::Always, RepeatLeft},
        {"ToolButton5", 122, "Zoom alto", "arrow-up", &C::ZoomUp, &C::Always, RepeatUp},
        {"ToolButton7", 123, "Zoom destra", "arrow-right", &C::ZoomRight, &C::Always, RepeatRight},
        {"ToolButton8", 124, "Zoom basso", "arrow-down", &C::ZoomDown, &C::Always, RepeatDown},
        {"ToolButton24", 322, "Esporta immagine bitmap", "image-bmp", &C::ExportBitmap, &C::Always, -1},
        // SequenzaToolBar: the simulation commands, then the path optimisation dialog
        {"ToolButton9", 39, "Passo successivo", "media-skip-forward", &C::ToolButton9Click, &C::StepRule, -1},
        {"ToolButton11", 23, "Passo precedente", "media-skip-backward", &C::ToolButton11Click, &C::StepRule, -1},
        {"ToolButton21", 11, "Avvia simulazione", "media-playback-start", &C::ToolButton21Click, &C::StepRule, -1},
        {"ToolButton34", 7, "Avvia simulazione animata", "media-seek-forward", &C::ToolButton34Click,
         &C::AnimatedStartRule, -1},
        {"ToolButton19", 3, "Pausa simulazione", "media-playback-pause", &C::ToolButton19Click, &C::PauseRule, -1},
        {"ToolButton22", 1, "Stop simulazione", "media-playback-stop", &C::ToolButton22Click, &C::StopRule, -1},
        {"ToolButton33", 212, "Modifica i percorsi per ottimizzare le lavorazioni", "format-connect-node",
         &C::ToolButton33Click, &C::NotRunning, -1},
        // ModToolBar: the editing dialogs and the drawing commands
        {"ToolButton30", 213, "Sposta entità", "transform-move", &C::ToolButton30Click, &C::NotRunning, -1},
        {"ToolButton35", 214, "Copia entità", "edit-copy", &C::ToolButton35Click, &C::NotRunning, -1},
        {"ToolButton20", 265, "Ridimensiona entità", "edit-node", &C::ToolButton20Click, &C::NotRunning, -1},
        {"ToolButton27", 215, "Seleziona e cancella entità", "edit-delete", &C::ToolButton27Click, &C::NotRunning, -1},
        {"ToolButton17", 216, "Ridimensiona disegno", "transform-scale", &C::ToolButton17Click, &C::NotRunning, -1},
        {"ToolButton13", 217, "Specchia in X", "object-flip-horizontal", &C::MirrorDrawingX, &C::NotRunning, -1},
        {"ToolButton12", 218, "Specchia in Y", "object-flip-vertical", &C::MirrorDrawingY, &C::NotRunning, -1},
        {"ToolButton15", 219, "Ruota in senso orario", "object-rotate-right", &C::RotateDrawingCW, &C::NotRunning, -1},
        {"ToolButton16", 220, "Ruota in senso antiorario", "object-rotate-left", &C::RotateDrawingCCW, &C::NotRunning,
         -1},
        {"ToolButton14", 221, "Ripristina disegno iniziale", "document-revert", &C::RestoreDrawing, &C::NotRunning, -1},
        {"ToolButton18", 222, "Salva disegno", "document-save", &C::SaveDrawing, &C::SaveRule, -1},
        {"UndoButton", 332, "Annulla", "edit-undo", &C::Undo, &C::UndoRule, -1},
        {"RedoButton", 333, "Ripeti", "edit-redo", &C::Redo, &C::RedoRule, -1},
        // DrawToolBar: the interactive drawing tools
        {"ToolButton31", 291, "Linea", "draw-line", &C::ToolButton31Click, &C::ToolRule, -1},
        {"ToolButton41", 307, "Polilinea", "draw-polyline", &C::ToolButton41Click, &C::ToolRule, -1},
        {"ToolButton36", 295, "Arco", "draw-halfcircle3", &C::ToolButton36Click, &C::ToolRule, -1},
        {"ToolButton42", 308, "Poliarco", "draw-halfcircle1", &C::ToolButton42Click, &C::ToolRule, -1},
        {"ToolButton37", 300, "Rettangolo", "draw-rectangle", &C::ToolButton37Click, &C::ToolRule, -1},
        {"ToolButton40", 302, "Cerchio", "draw-circle", &C::ToolButton40Click, &C::ToolRule, -1},
        {"ToolButton39", 293, "Stop disegno", "process-stop", &C::ToolButton39Click, &C::StopToolRule, -1},
    };
    return table;
}

void C::CreateControls()
{
    setMinimumSize(MinWidth - 20, MinHeight - 40);
    DisPanel = new QFrame(this);
    DisPanel->setObjectName("DisPanel");
    DisPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DisPanel->setAutoFillBackground(true);
    DisPanel->setPalette(QPalette(Qt::black, Qt::black));
    DisPaintBox = new PaintBox(DisPanel);
    DisPaintBox->setObjectName("DisPaintBox");
    DisPaintBox->setMouseTracking(true);
    DisPaintBox->installEventFilter(this);
    // A new image is blank: the next tick paints it.
    connect(DisPaintBox, &PaintBox::Resized, this, [this] { repaintRequested = 1; });

    ZoomToolBar =
        CreateToolBar("ZoomToolBar", {"ToolButton1", "ToolButton2", "ToolButton3", "ZoomFinestraButton", "ToolButton4",
                                      "ToolButton5", "ToolButton7", "ToolButton8", "|", "ToolButton24"});
    SequenzaToolBar = CreateToolBar("SequenzaToolBar", {"ToolButton9", "ToolButton11", "ToolButton21", "ToolButton34",
                                                        "ToolButton19", "ToolButton22", "|", "ToolButton33"});
    ModToolBar =
        CreateToolBar("ModToolBar", {"ToolButton30", "ToolButton35", "ToolButton20", "ToolButton27", "ToolButton17",
                                     "ToolButton13", "ToolButton12", "ToolButton15", "ToolButton16", "ToolButton14",
                                     "ToolButton18", "|", "UndoButton", "RedoButton"});
    DrawToolBar = CreateToolBar("DrawToolBar", {"ToolButton31", "ToolButton41", "ToolButton36", "ToolButton42",
                                                "ToolButton37", "ToolButton40", "ToolButton39"});
    UndoButton = Button("UndoButton");
    RedoButton = Button("RedoButton");
    CreateInfoControls();
}

QToolBar* C::CreateToolBar(const char* name, std::initializer_list<const char*> buttons)
{
    QToolBar* bar = MakeIconBar(this, name, IconSize);
    heldButtons.resize(ButtonTable().size());
    for (const char* buttonName : buttons) {
        if (QString(buttonName) == "|") {
            bar->addSeparator();
            continue;
        }
        const size_t index = ButtonIndex(buttonName);
        const ButtonSpec& entry = ButtonTable()[index];
        QToolButton* button = AddIconButton(bar, entry.name, entry.icon, IconSize, ButtonSize);
        heldButtons[index] = button;
        button->setToolTip(entry.fixedHint);
        button->setStatusTip(entry.fixedHint);
        button->setAccessibleName(entry.fixedHint);
        button->setEnabled(false);
        ConnectButton(button, entry);
    }
    bar->adjustSize();
    bar->setFixedWidth(ButtonSize);
    return bar;
}

// The click runs the command once; a button with auto-repeat also counts the ticks it is held (see Tick).
void C::ConnectButton(QToolButton* button, const ButtonSpec& entry)
{
    auto command = entry.command;
    connect(button, &QToolButton::clicked, this, [this, command] { command(*this); });
    if (entry.repeat >= 0)
        ConnectHeld(button, repeatCounters[entry.repeat]);
}

void C::CreateInfoControls()
{
    AniVel = new QSlider(Qt::Vertical, this);
    AniVel->setObjectName("AniVel");
    AniVel->setRange(SpeedMin, SpeedMax);
    AniVel->setPageStep(20);
    // Position 1, the fastest, at the top: moving the bar up, by mouse, wheel or keys, speeds the animation.
    AniVel->setInvertedAppearance(true);
    AniVel->setInvertedControls(true);
    AniVel->setValue(SpeedStart);
    AniVel->resize(20, AniVelLength);
    AniVel->hide();
    VelAniImg = new QLabel(this);
    VelAniImg->setObjectName("VelAniImg");
    VelAniImg->setPixmap(QIcon::fromTheme("speedometer").pixmap(IconSize, IconSize));
    VelAniImg->resize(IconSize, IconSize);
    VelAniImg->hide();

    InfoPanel = new QFrame(this);
    InfoPanel->setObjectName("InfoPanel");
    auto* infoLayout = new QVBoxLayout(InfoPanel);
    infoLayout->setContentsMargins(InfoMarginX, InfoMarginY, InfoMarginX, InfoMarginY);
    infoLayout->setSpacing(0);
    for (auto [label, name] : {std::pair{&EntitaLbl, "EntitaLbl"}, std::pair{&LineeLbl, "LineeLbl"},
                               std::pair{&ArchiLbl, "ArchiLbl"}, std::pair{&SequenzeLbl, "SequenzeLbl"}}) {
        *label = new QLabel(InfoPanel);
        (*label)->setObjectName(name);
        infoLayout->addWidget(*label);
    }
    FitInfoPanel();

    QuoteMouseLbl = new QLabel(this);
    QuoteMouseLbl->setObjectName("QuoteMouseLbl");
    QuoteMouseLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QuoteMouseLbl->resize(200, QFontMetrics(font()).height() + 2);
    QuoteMouseLbl->hide();
    TimeImg = new QLabel(this);
    TimeImg->setObjectName("TimeImg");
    TimeImg->setPixmap(QIcon::fromTheme("chronometer").pixmap(IconSize, IconSize));
    TimeImg->resize(IconSize, IconSize);
    TimeLbl = new QLabel(this);
    TimeLbl->setObjectName("TimeLbl");
    TimeLbl->resize(160, QuoteMouseLbl->height());

    XYPanel = new QFrame(DisPanel);
    XYPanel->setObjectName("XYPanel");
    XYPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // The picture's panel is black throughout; the typed-point panel and its edits take the usual colours, so
    // that the edits and what is typed in them can be seen.
    QPalette usual = QApplication::palette(XYPanel);
    usual.setResolveMask(~QPalette::ResolveMask(0));  // every colour its own, none inherited from the panel
    XYPanel->setPalette(usual);
    XYPanel->setAutoFillBackground(true);
    XEdt = new QLineEdit(XYPanel);
    XEdt->setObjectName("XEdt");
    XEdt->setGeometry(4, 4, 60, 22);
    YEdt = new QLineEdit(XYPanel);
    YEdt->setObjectName("YEdt");
    YEdt->setGeometry(68, 4, 60, 22);
    XYBitBtn = new QPushButton("Ok", XYPanel);
    XYBitBtn->setObjectName("XYBitBtn");
    XYBitBtn->setGeometry(132, 4, 36, 22);
    connect(XYBitBtn, &QPushButton::clicked, this, &TMDIChild::XYBitBtnClick);
    XYPanel->resize(172, 30);
    XYPanel->hide();

    SimplifyDrwGauge = new QProgressBar(this);
    SimplifyDrwGauge->setObjectName("SimplifyDrwGauge");
    SimplifyDrwGauge->setRange(0, 100);
    SimplifyDrwGauge->hide();
}

// The counts may reach the drawing's capacity: the font is the largest whose widest caption with that count fits the
// panel's width, else the smallest with the count on a second line. The panel's height follows.
void C::FitInfoPanel()
{
    const int width = InfoWidth - 2 * InfoMarginX;
    QFont font = this->font();
    bool fits = false;
    for (int size = InfoPointSize; size >= InfoMinPointSize && !fits; --size) {
        font.setPointSize(size);
        fits = true;
        for (int kind = 0; kind < CountKinds; ++kind)
            fits = fits && QFontMetrics(font).horizontalAdvance(CountText(kind, MaxEntities)) <= width;
    }
    const int lines = fits ? 1 : 2;
    for (QLabel* label : {EntitaLbl, LineeLbl, ArchiLbl, SequenzeLbl}) {
        label->setFont(font);
        label->setWordWrap(!fits);
        label->setFixedHeight(lines * QFontMetrics(font).height());
    }
    InfoPanel->resize(InfoWidth, 4 * lines * QFontMetrics(font).height() + 2 * InfoMarginY);
}

QSize C::OuterSize() const
{
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub ? sub->size() : size();
}

void C::ArrangeControls()
{
    const QSize outer = OuterSize();
    const int width = outer.width(), height = outer.height();
    const int labelHeight = QuoteMouseLbl->height();
    DisPanel->setGeometry(76, DisPanel->y(), width - 90, height - labelHeight - 44);
    const QRect panel = DisPanel->geometry();

    ZoomToolBar->move(panel.left() - ZoomToolBar->width() - 3, ToolBarTop);
    DrawToolBar->move(ZoomToolBar->x() - DrawToolBar->width() - 3, ToolBarTop);
    ModToolBar->move(DrawToolBar->x() - ModToolBar->width() - 3, ToolBarTop);
    SequenzaToolBar->move(DrawToolBar->x(), DrawToolBar->geometry().bottom() + 1 + 3);
    InfoPanel->move(panel.left() - 3 - InfoPanel->width(), panel.bottom() + 1 - InfoPanel->height());
    // The speed bar and its picture stand in the free column under the zoom bar, the bar ending above the counts.
    VelAniImg->move(ZoomToolBar->x() + (ZoomToolBar->width() - VelAniImg->width()) / 2,
                    ZoomToolBar->geometry().bottom() + 1 + 12);
    const int aniVelTop = VelAniImg->geometry().bottom() + 1 + 4;
    AniVel->setGeometry(ZoomToolBar->x() + 1, aniVelTop, AniVel->width(),
                        std::clamp(InfoPanel->y() - 4 - aniVelTop, AniVelMinLength, AniVelLength));

    DisPaintBox->resize(panel.width() - 3, panel.height() - 3);
    XYPanel->move(panel.width() - XYPanel->width() - 5, 5);
    SimplifyDrwGauge->setGeometry(panel.left() + DisPaintBox->x(),
                                  panel.top() + DisPaintBox->y() + DisPaintBox->height() + 3, DisPaintBox->width(),
                                  SimplifyDrwGauge->sizeHint().height());

    const int labelTop = height - labelHeight - 38;
    QuoteMouseLbl->move(panel.right() + 1 - QuoteMouseLbl->width(), labelTop);
    TimeImg->move(panel.left(), labelTop + (labelHeight - TimeImg->height()) / 2);
    TimeLbl->move(TimeImg->geometry().right() + 5, labelTop);
    if (renderer) {
        renderer->SetSize(DisPaintBox->width(), DisPaintBox->height());
        RepaintDrawing();
    }
}

void C::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (shown)
        ArrangeControls();
}

void C::ApplyHints()
{
    // The counts' captions may have changed language; a panel of another height takes its place again.
    const int infoHeight = InfoPanel->height();
    FitInfoPanel();
    UpdateInfoPanel();
    if (shown && InfoPanel->height() != infoHeight)
        ArrangeControls();
    for (size_t i = 0; i < ButtonTable().size(); ++i) {
        const ButtonSpec& entry = ButtonTable()[i];
        if (entry.hintMsg < 0)
            continue;
        QString hint = ToQString(MsgText(entry.hintMsg));
        if (hint.isEmpty())
            continue;
        QToolButton* button = heldButtons[i];
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setAccessibleName(hint);
    }
}

void C::UpdateButtons()
{
    for (size_t i = 0; i < ButtonTable().size(); ++i)
        heldButtons[i]->setEnabled(ButtonTable()[i].rule(*this));
    UpdateHistoryHints();
    const bool animating = AnimationRunning();
    AniVel->setVisible(animating);
    VelAniImg->setVisible(animating);
}

size_t C::ButtonIndex(const QString& name)
{
    const auto& table = ButtonTable();
    return std::find_if(table.begin(), table.end(), [&name](const ButtonSpec& s) { return name == s.name; }) -
           table.begin();
}

QToolButton* C::Button(const QString& name) const
{
    const size_t index = ButtonIndex(name);
    return index < heldButtons.size() ? heldButtons[index] : nullptr;
}

int C::AnimationSpeedPosition() const
{
    return AniVel->value();
}
