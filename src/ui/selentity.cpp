// The entity selection dialog: its controls, texts, show handler, preview and Esc.
#include "ui/selentity.h"

#include <QKeyEvent>
#include <QPushButton>

#include "l10n/messaggi.h"
#include "ui/paintbox.h"
#include "ui/widetext.h"

namespace {

// Fixed geometry, pixels.
constexpr int PanelLeft = 21, PanelTop = 36, ToolBarTop = 6;
constexpr int ButtonWidth = 110, ButtonHeight = 28, ButtonTop = 598;

}  // namespace

TSelEntityForm::TSelEntityForm(QWidget* owner)
    : PreviewForm(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("SelEntityForm");
    setWindowTitle("SELEZIONA ENTITA'");
    setFixedSize(ClientWidth, ClientHeight);
    CreatePreview({PanelLeft, PanelTop}, {PreviewWidth, PreviewHeight}, {PanelLeft, ToolBarTop});
    DisPaintBox->setCursor(Qt::CrossCursor);

    OkButton = new QPushButton("Ok", this);
    OkButton->setObjectName("OkButton");
    OkButton->setGeometry(ClientWidth / 2 - ButtonWidth - 10, ButtonTop, ButtonWidth, ButtonHeight);
    OkButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = new QPushButton("Annulla", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(ClientWidth / 2 + 10, ButtonTop, ButtonWidth, ButtonHeight);
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &TSelEntityForm::CancelBtnClick);
}

void TSelEntityForm::Setup(const Drw& drawing, const std::string& caption, const std::string& okCaption)
{
    workDrw = drawing;
    setWindowTitle(ToQString(caption));
    OkButton->setText(ToQString(okCaption));
}

void TSelEntityForm::GetSelection(int& count, std::vector<int>& paths) const
{
    count = SelectedCount();
    paths = selectedPaths;
}

void TSelEntityForm::FormShow()
{
    CancelBtn->setText(ToQString(MsgText(86)));
    ApplyZoomHints();
    CreateView(true);
    selectedPaths.clear();
    redrawRequest = 1;
    active = true;
}

void TSelEntityForm::RedrawPreview()
{
    PaintPicture([this] {
        view->DrawDrawing(workDrw, 0, -1);
        for (int path : selectedPaths) {
            view->DrawPath(workDrw, path, 0);
            view->DrawPathEnds(workDrw, path, 1);
        }
    });
    redrawRequest = 0;
}

void TSelEntityForm::CancelBtnClick()
{
    selectedPaths.clear();
    reject();
}

// Esc empties the selection and keeps the dialog open.
void TSelEntityForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        selectedPaths.clear();
        redrawRequest = 1;
        event->accept();
        return;
    }
    PreviewForm::keyPressEvent(event);
}
