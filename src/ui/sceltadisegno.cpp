// The drawing chooser: its controls, the list of drawings, the preview and the commands.
#include "ui/sceltadisegno.h"

#include <QEvent>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>

#include "l10n/messaggi.h"
#include "render/mydraw.h"
#include "support/mymessagebox.h"
#include "ui/archivefolder.h"
#include "ui/paintbox.h"
#include "ui/previewpaint.h"
#include "ui/widetext.h"

TSceltaDisegnoForm::TSceltaDisegnoForm(QWidget* parent)
    : ArchiveDialog(parent, "SceltaDisegnoForm", ClientWidth, ClientHeight)
{
    CreateControls();
}

TSceltaDisegnoForm::~TSceltaDisegnoForm() = default;

void TSceltaDisegnoForm::CreateControls()
{
    CreateFolderControls();
    DisListBox = new QListWidget(this);
    DisListBox->setObjectName("DisListBox");
    DisListBox->setGeometry(8, 40, 299, 432);
    DisListBox->installEventFilter(this);
    DisListBox->viewport()->installEventFilter(this);
    connect(DisListBox, &QListWidget::itemDoubleClicked, this, &TSceltaDisegnoForm::OpenButtonClick);
    DisPanel = new QFrame(this);
    DisPanel->setObjectName("DisPanel");
    DisPanel->setGeometry(320, 41, 405, 383);
    DisPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DisPanel->setBackgroundRole(QPalette::ToolTipBase);
    DisPanel->setAutoFillBackground(true);
    DisPaintBox = new PaintBox(DisPanel);
    DisPaintBox->setObjectName("DisPaintBox");
    DisPaintBox->setGeometry(3, 3, 399, 377);
    connect(DisPaintBox, &PaintBox::Resized, this, [this] { redrawRequest = true; });
    CreateCommandButtons(QRect(373, 441, 113, 33), QRect(564, 441, 113, 33));
}

void TSceltaDisegnoForm::FormShow()
{
    setWindowTitle(ToQString(MsgText(96)));
    OpenButton->setText(ToQString(MsgText(85)));
    CancelButton->setText(ToQString(MsgText(86)));
    resultPath.clear();
    SetFolder(ShownArchiveFolder());
    FillList("");
    previewIndex = -1;
    redrawRequest = false;
    loading = false;
    shown = true;
    view = MakePreviewRenderer(DisPaintBox, PreviewPen, PreviewMargin);
    DisPaintBox->BeginPaint();
    view->DrawBackground();
    DisPaintBox->EndPaint();
}

void TSceltaDisegnoForm::FormClose()
{
    shown = false;
    view.reset();
}

void TSceltaDisegnoForm::FillList(const std::string& select)
{
    DisListBox->clear();
    names = ListArchiveDrawings(Folder());
    // The indices now name other drawings: the next preview must load.
    previewIndex = -1;
    int selectRow = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        DisListBox->addItem(ToQString(names[i]));
        if (names[i] == select)
            selectRow = static_cast<int>(i);
    }
    if (selectRow >= 0)
        DisListBox->setCurrentRow(selectRow);
}

void TSceltaDisegnoForm::Preview()
{
    const int index = DisListBox->currentRow();
    // A message box shown while loading lets further list events through: they wait for this load.
    if (loading || !view || index < 0 || index == previewIndex)
        return;
    loading = true;
    // A failed load reports itself; the preview shows what was read, nothing of the drawing before.
    previewDrw.Clear();
    previewDrw.Load(ArchiveDrawingPath(Folder(), names[index]));
    FitPreview(*view, previewDrw);
    PaintPreview(DisPaintBox, *view, previewDrw);
    previewIndex = index;
    loading = false;
}

int TSceltaDisegnoForm::SelectedIndex() const
{
    const QListWidgetItem* item = DisListBox->currentItem();
    return item != nullptr && item->isSelected() ? DisListBox->currentRow() : -1;
}

void TSceltaDisegnoForm::OpenButtonClick()
{
    if (loading)
        return;
    const int index = SelectedIndex();
    if (index < 0) {
        MyMessageBox(MsgText(241), MsgText(227), MsgStyleWarning);
        return;
    }
    Choose(names[index]);
}

void TSceltaDisegnoForm::SelDisFolderBtnClick()
{
    std::string name;
    if (BrowseFolder(name))
        FillList(name);
}

void TSceltaDisegnoForm::Refresh()
{
    if (!shown || !redrawRequest || !view)
        return;
    PaintPreview(DisPaintBox, *view, previewDrw);
    redrawRequest = false;
}

bool TSceltaDisegnoForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool listKey = watched == DisListBox && event->type() == QEvent::KeyRelease;
    const bool listMouse = watched == DisListBox->viewport() && event->type() == QEvent::MouseButtonRelease;
    if (listKey || listMouse)
        Preview();
    return ArchiveDialog::eventFilter(watched, event);
}
