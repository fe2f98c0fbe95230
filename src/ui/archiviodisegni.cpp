// The drawing archive browser: its controls, showing and closing, and the commands that end it or change the
// archive folder.
#include "ui/archiviodisegni.h"

#include <QFrame>
#include <QLabel>

#include "l10n/messaggi.h"
#include "render/mydraw.h"
#include "support/mymessagebox.h"
#include "ui/archivefolder.h"
#include "ui/glyphbutton.h"
#include "ui/paintbox.h"
#include "ui/previewpaint.h"
#include "ui/widetext.h"

namespace {

constexpr int PanelSize = 126, PanelPitchX = 132, PanelPitchY = 150, PanelLeft = 4, PanelTop = 42;
constexpr int ThumbInset = 3, ThumbSize = 120, LabelHeight = 13;

}  // namespace

TArchivioDisegniForm::TArchivioDisegniForm(QWidget* parent)
    : ArchiveDialog(parent, "ArchivioDisegniForm", ClientWidth, ClientHeight)
{
    CreateControls();
}

TArchivioDisegniForm::~TArchivioDisegniForm() = default;

void TArchivioDisegniForm::CreateControls()
{
    CreateFolderControls();
    for (int k = 0; k < PanelCount; ++k)
        CreatePanel(k);
    BtnUp = MakeGlyphButton(this, "BtnUp", "go-up", QRect(808, 42, 75, 276), false);
    BtnUp->setIconSize(QSize(48, 48));
    BtnUp->setAccessibleName("Pagina precedente");
    connect(BtnUp, &QPushButton::clicked, this, &TArchivioDisegniForm::BtnUpClick);
    BtnDown = MakeGlyphButton(this, "BtnDown", "go-down", QRect(808, 342, 75, 276), false);
    BtnDown->setIconSize(QSize(48, 48));
    BtnDown->setAccessibleName("Pagina successiva");
    connect(BtnDown, &QPushButton::clicked, this, &TArchivioDisegniForm::BtnDownClick);
    CreateCommandButtons(QRect(245, 655, 113, 33), QRect(540, 655, 113, 33));
}

void TArchivioDisegniForm::CreatePanel(int k)
{
    const QString number = QString::number(k + 1);
    const int left = PanelLeft + PanelPitchX * (k % Columns);
    const int top = PanelTop + PanelPitchY * (k / Columns);
    QFrame* panel = new QFrame(this);
    panel->setObjectName("DisPanel" + number);
    panel->setGeometry(left, top, PanelSize, PanelSize);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setBackgroundRole(QPalette::ToolTipBase);
    panel->setAutoFillBackground(true);
    PaintBox* box = new PaintBox(panel);
    box->setObjectName("DisPaintBox" + number);
    box->setGeometry(ThumbInset, ThumbInset, ThumbSize, ThumbSize);
    box->installEventFilter(this);
    connect(box, &PaintBox::Resized, this, [this] { redrawRequest = 1; });
    QLabel* label = new QLabel(this);
    label->setObjectName("Label" + number);
    label->setGeometry(left, top + PanelSize, PanelSize, LabelHeight);
    DisPanel[k] = panel;
    DisPaintBox[k] = box;
    Label[k] = label;
    HighlightLabel(k, false);
}

void TArchivioDisegniForm::FormShow()
{
    setWindowTitle(ToQString(MsgText(205)));
    OpenButton->setText(ToQString(MsgText(206)));
    CancelButton->setText(ToQString(MsgText(86)));
    resultPath.clear();
    thumbDrw.assign(PanelCount, Drw());
    SetFolder(ShownArchiveFolder());
    first = 0;
    ClearPage();
    FillPage("");
    selected = -1;
    redrawRequest = 1;
    shown = true;
}

void TArchivioDisegniForm::FormClose()
{
    shown = false;
    ClearPage();
    // The thumbnail drawings are needed only while the dialog is open.
    thumbDrw.clear();
}

void TArchivioDisegniForm::OpenButtonClick()
{
    if (selected < 0) {
        MyMessageBox(MsgText(262), MsgText(227), MsgStyleWarning);
        return;
    }
    Choose(thumbName[selected]);
}

void TArchivioDisegniForm::SelDisFolderBtnClick()
{
    std::string name;
    if (!BrowseFolder(name))
        return;
    first = 0;
    ClearPage();
    FillPage(name);
    redrawRequest = 1;
}

void TArchivioDisegniForm::Refresh()
{
    if (!shown || redrawRequest == 0)
        return;
    for (int k = 0; k < PanelCount; ++k)
        if (thumbView[k])
            PaintPreview(DisPaintBox[k], *thumbView[k], thumbDrw[k]);
    redrawRequest = 0;
}
