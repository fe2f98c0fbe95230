// TSceltaDisegnoForm: the drawing chooser. It lists the drawings of the archive folder (and its subfolders) by
// name, previews the drawing under the list's cursor, lets the operator change the archive folder and returns the
// path of the chosen drawing file in resultPath (empty when nothing was chosen).
#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

#include "model/drw.h"
#include "render/canvas.h"

class PaintBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class myDraw;

class TSceltaDisegnoForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSceltaDisegnoForm(QWidget* parent = nullptr);
  ~TSceltaDisegnoForm() override;

  // Captions, the archive folder and its list, the preview renderer on a cleared canvas. Runs when the dialog
  // is shown.
  void FormShow();
  // Drops the renderer; the folder is not stored. Runs whenever the dialog closes.
  void FormClose();
  // Lists the drawings of the shown folder; the entry equal to select (if any) becomes the current one.
  void FillList(const std::string& select);
  // Loads and paints the drawing under the list's cursor, unless it is the one already shown.
  void Preview();
  // Returns the current drawing's file and stores the folder; a warning when nothing is selected.
  void OpenButtonClick();
  // Stores the shown folder and closes without a result.
  void CancelButtonClick();
  // Lets the operator browse for another archive folder and lists its drawings.
  void SelDisFolderBtnClick();
  // The periodic update of the main window's timer: repaints the preview when asked to.
  void Refresh();

  // The archive folder shown, with a trailing '/'.
  const std::string& Folder() const { return folder; }

  QPushButton* SelDisFolderBtn = nullptr;
  QLabel* PathLabel = nullptr;
  QListWidget* DisListBox = nullptr;
  QFrame* DisPanel = nullptr;
  PaintBox* DisPaintBox = nullptr;
  QPushButton* OpenButton = nullptr;
  QPushButton* CancelButton = nullptr;

  Drw previewDrw;
  std::unique_ptr<myDraw> view;
  int previewIndex = -1;  // list index of the drawing in previewDrw, -1 for none
  bool redrawRequest = false;
  bool loading = false;  // a preview is being loaded; Open waits for it
  bool shown = false;
  std::string resultPath;

  static constexpr int ClientWidth = 739, ClientHeight = 498;
  static constexpr int PreviewMargin = 10;  // pixels on each side
  static constexpr Color PreviewPen = 0xF0F0A0;

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void SetFolder(const std::string& shown);
  // The selected entry's list index, -1 when no entry is selected.
  int SelectedIndex() const;

  std::string folder;
  std::vector<std::string> names;  // the listed drawings, in the list's order
};
