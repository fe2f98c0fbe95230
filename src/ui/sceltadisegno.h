// TSceltaDisegnoForm: the drawing chooser. It lists the drawings of the archive folder (and its subfolders) by
// name, previews the drawing under the list's cursor, lets the operator change the archive folder and returns the
// path of the chosen drawing file in resultPath (empty when nothing was chosen).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/drw.h"
#include "render/canvas.h"
#include "ui/archivedialog.h"

class PaintBox;
class QFrame;
class QListWidget;
class myDraw;

class TSceltaDisegnoForm : public ArchiveDialog {
    Q_OBJECT

public:
    explicit TSceltaDisegnoForm(QWidget* parent = nullptr);
    ~TSceltaDisegnoForm() override;

    // Captions, the archive folder and its list, the preview renderer on a cleared canvas.
    void FormShow() override;
    // Drops the renderer.
    void FormClose() override;
    // Lists the drawings of the shown folder; the entry equal to select (if any) becomes the current one.
    void FillList(const std::string& select);
    // Loads and paints the drawing under the list's cursor, unless it is the one already shown.
    void Preview();
    // Returns the current drawing's file and stores the folder; a warning when nothing is selected.
    void OpenButtonClick() override;
    // Lists the drawings of the folder the operator browses for.
    void SelDisFolderBtnClick() override;
    // The periodic update of the main window's timer: repaints the preview when asked to.
    void Refresh();

    QListWidget* DisListBox = nullptr;
    QFrame* DisPanel = nullptr;
    PaintBox* DisPaintBox = nullptr;

    Drw previewDrw;
    std::unique_ptr<myDraw> view;
    int previewIndex = -1;  // list index of the drawing in previewDrw, -1 for none
    bool redrawRequest = false;
    bool loading = false;  // a preview is being loaded; Open waits for it

    static constexpr int ClientWidth = 739, ClientHeight = 498;
    static constexpr int PreviewMargin = 10;  // pixels on each side
    static constexpr Color PreviewPen = 0xF0F0A0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    // The selected entry's list index, -1 when no entry is selected.
    int SelectedIndex() const;

    std::vector<std::string> names;  // the listed drawings, in the list's order
};
