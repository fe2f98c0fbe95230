// TArchivioDisegniForm: the drawing archive browser. It shows the drawings of the archive folder (and its
// subfolders) as pages of 24 thumbnails with their names, pages through them, lets the operator pick one and
// change the archive folder, and returns the chosen drawing's file in resultPath (empty when nothing was chosen).
// archiviodisegni.cpp: controls, showing, closing and the commands; archiviodisegni_page.cpp: the page of
// thumbnails, selection and paging.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/drw.h"
#include "render/canvas.h"
#include "ui/archivedialog.h"

class PaintBox;
class QFrame;
class QLabel;
class QPushButton;
class myDraw;

class TArchivioDisegniForm : public ArchiveDialog {
    Q_OBJECT

public:
    static constexpr int PanelCount = 24;
    static constexpr int Columns = 6;
    static constexpr int PageStep = PanelCount;  // BtnUp and BtnDown move by a whole page

    explicit TArchivioDisegniForm(QWidget* parent = nullptr);
    ~TArchivioDisegniForm() override;

    // ---- archiviodisegni.cpp ----
    // Captions, the archive folder and its first page; nothing selected.
    void FormShow() override;
    // Empties the page.
    void FormClose() override;
    // Returns the selected drawing's file and stores the folder; a warning when nothing is selected.
    void OpenButtonClick() override;
    // Shows the first page of the folder the operator browses for.
    void SelDisFolderBtnClick() override;
    // The periodic update of the main window's timer: repaints the thumbnails when asked to.
    void Refresh();

    // ---- archiviodisegni_page.cpp ----
    // Lists the drawings of the shown folder into count and loads the thumbnails of the page that starts at
    // first; the panel of the drawing named select (if on the page) becomes the selected one.
    void FillPage(const std::string& select);
    // Panel k shows the drawing name: loaded into its thumbnail drawing, fitted by its own renderer.
    void LoadThumbnail(int k, const std::string& name);
    // Every panel blank and without a name, nothing selected, count 0.
    void ClearPage();
    // Selects panel k when it shows a drawing, highlighting only its label.
    void SelectPanel(int k);
    void BtnUpClick();
    void BtnDownClick();

    std::array<QFrame*, PanelCount> DisPanel{};
    std::array<PaintBox*, PanelCount> DisPaintBox{};
    std::array<QLabel*, PanelCount> Label{};
    QPushButton* BtnUp = nullptr;
    QPushButton* BtnDown = nullptr;

    std::vector<Drw> thumbDrw;                                  // PanelCount drawings while shown
    std::array<std::unique_ptr<myDraw>, PanelCount> thumbView;  // absent for a panel without a drawing
    std::array<std::string, PanelCount> thumbName;
    int first = 0;      // listing index of the drawing in panel 0
    int count = 0;      // drawings in the folder's listing
    int selected = -1;  // selected panel, -1 for none
    int redrawRequest = 0;

    static constexpr int ClientWidth = 899, ClientHeight = 709;
    static constexpr int ThumbMargin = 2;  // pixels on each side
    static constexpr Color ThumbPen = 0x00F700;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreatePanel(int k);
    // The label of panel k, highlighted (bold red on yellow) or normal (black on the panel's background).
    void HighlightLabel(int k, bool on);
    // The panel whose paint box is watched, from the number that ends its name; -1 for another object.
    int PanelOf(const QObject* watched) const;
    // Clears the page and fills it again from first.
    void ShowPage();
};
