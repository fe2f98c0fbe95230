// The drawing chooser: its controls, the list of drawings, the preview and the commands.
#include "ui/sceltadisegno.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

#include "l10n/messaggi.h"
#include "model/drw_file.h"
#include "render/mydraw.h"
#include "support/mymessagebox.h"
#include "ui/archivefolder.h"
#include "ui/glyphbutton.h"
#include "ui/paintbox.h"
#include "ui/previewpaint.h"
#include "ui/selecdir.h"
#include "ui/widetext.h"

TSceltaDisegnoForm::TSceltaDisegnoForm(QWidget* parent) : QDialog(parent) {
  setObjectName("SceltaDisegnoForm");
  setFixedSize(ClientWidth, ClientHeight);
  CreateControls();
}

TSceltaDisegnoForm::~TSceltaDisegnoForm() = default;

void TSceltaDisegnoForm::CreateControls() {
  SelDisFolderBtn = MakeGlyphButton(this, "SelDisFolderBtn", "folder-open", QRect(5, 5, 32, 32), false);
  SelDisFolderBtn->setIconSize(QSize(24, 24));
  SelDisFolderBtn->setAccessibleName("Cartella dei disegni");
  connect(SelDisFolderBtn, &QPushButton::clicked, this, &TSceltaDisegnoForm::SelDisFolderBtnClick);
  PathLabel = new QLabel(this);
  PathLabel->setObjectName("PathLabel");
  PathLabel->move(42, 8);
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
  OpenButton = MakeGlyphButton(this, "OpenButton", "document-open", QRect(373, 441, 113, 33), true);
  connect(OpenButton, &QPushButton::clicked, this, &TSceltaDisegnoForm::OpenButtonClick);
  CancelButton = MakeGlyphButton(this, "CancelButton", "dialog-cancel", QRect(564, 441, 113, 33), true);
  connect(CancelButton, &QPushButton::clicked, this, &TSceltaDisegnoForm::CancelButtonClick);
}

void TSceltaDisegnoForm::FormShow() {
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

void TSceltaDisegnoForm::FormClose() {
  shown = false;
  view.reset();
}

void TSceltaDisegnoForm::SetFolder(const std::string& shown) {
  folder = shown;
  PathLabel->setText(ToQString(folder));
  PathLabel->adjustSize();
}

void TSceltaDisegnoForm::FillList(const std::string& select) {
  DisListBox->clear();
  names = ListArchiveDrawings(folder);
  // The indices now name other drawings: the next preview must load.
  previewIndex = -1;
  int selectRow = -1;
  for (std::size_t i = 0; i < names.size(); ++i) {
    DisListBox->addItem(ToQString(names[i]));
    if (names[i] == select) selectRow = static_cast<int>(i);
  }
  if (selectRow >= 0) DisListBox->setCurrentRow(selectRow);
}

void TSceltaDisegnoForm::Preview() {
  const int index = DisListBox->currentRow();
  // A message box shown while loading lets further list events through: they wait for this load.
  if (loading || !view || index < 0 || index == previewIndex) return;
  loading = true;
  // A failed load reports itself; the preview shows what was read.
  previewDrw.Load(ArchiveDrawingPath(folder, names[index]));
  FitPreview(*view, previewDrw);
  PaintPreview(DisPaintBox, *view, previewDrw);
  previewIndex = index;
  loading = false;
}

int TSceltaDisegnoForm::SelectedIndex() const {
  const QListWidgetItem* item = DisListBox->currentItem();
  return item != nullptr && item->isSelected() ? DisListBox->currentRow() : -1;
}

void TSceltaDisegnoForm::OpenButtonClick() {
  if (loading) return;
  const int index = SelectedIndex();
  if (index < 0) {
    MyMessageBox(MsgText(241), MsgText(227), MsgStyleWarning);
    return;
  }
  resultPath = ArchiveDrawingPath(folder, names[index]);
  WriteArchiveFolder(folder);
  accept();
}

void TSceltaDisegnoForm::CancelButtonClick() {
  WriteArchiveFolder(folder);
  reject();
}

void TSceltaDisegnoForm::SelDisFolderBtnClick() {
  std::string chosen;
  if (!SelectFolder(folder, chosen)) return;
  std::string shownFolder, name;
  SplitChosenFolder(chosen, shownFolder, name);
  SetFolder(shownFolder);
  FillList(name);
}

void TSceltaDisegnoForm::Refresh() {
  if (!shown || !redrawRequest || !view) return;
  PaintPreview(DisPaintBox, *view, previewDrw);
  redrawRequest = false;
}

void TSceltaDisegnoForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TSceltaDisegnoForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TSceltaDisegnoForm::keyPressEvent(QKeyEvent* event) {
  // Esc is the folder button's key, as the dialog's cancel button.
  if (event->key() == Qt::Key_Escape) {
    SelDisFolderBtn->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TSceltaDisegnoForm::eventFilter(QObject* watched, QEvent* event) {
  const bool listKey = watched == DisListBox && event->type() == QEvent::KeyRelease;
  const bool listMouse = watched == DisListBox->viewport() && event->type() == QEvent::MouseButtonRelease;
  if (listKey || listMouse) Preview();
  return QDialog::eventFilter(watched, event);
}
