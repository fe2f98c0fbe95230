// ArchiveDialog: what the two dialogs that pick a drawing from the archive folder share — the folder button and the
// path label above, Open and Cancel below, the folder they show, the returned path, and showing, closing and Esc.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;
class QRect;

class ArchiveDialog : public QDialog {
    Q_OBJECT

public:
    // Runs when the dialog is shown: captions, folder, contents.
    virtual void FormShow() = 0;
    // Runs whenever the dialog closes; the folder is not stored.
    virtual void FormClose() = 0;
    // Returns the chosen drawing's file and stores the folder; a warning when nothing is chosen.
    virtual void OpenButtonClick() = 0;
    // Lets the operator browse for another archive folder and shows its drawings.
    virtual void SelDisFolderBtnClick() = 0;
    // Stores the shown folder and closes without a result.
    void CancelButtonClick();

    // The archive folder shown, with a trailing '/'.
    const std::string& Folder() const { return folder; }

    QPushButton* SelDisFolderBtn = nullptr;
    QLabel* PathLabel = nullptr;
    QPushButton* OpenButton = nullptr;
    QPushButton* CancelButton = nullptr;
    std::string resultPath;  // the chosen drawing's file, empty when nothing was chosen
    bool shown = false;      // between FormShow and FormClose

public slots:
    void done(int result) override;

protected:
    ArchiveDialog(QWidget* parent, const char* objectName, int clientWidth, int clientHeight);

    // The folder button and the path label at the top left.
    void CreateFolderControls();
    // Open and Cancel at the given places.
    void CreateCommandButtons(const QRect& open, const QRect& cancel);
    void SetFolder(const std::string& shownFolder);
    // Lets the operator browse for a folder; true when one was chosen: it is shown, and name is the drawing picked
    // in it (empty when a folder itself was picked).
    bool BrowseFolder(std::string& name);
    // Ends the dialog with the drawing name of the shown folder, storing the folder.
    void Choose(const std::string& name);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string folder;
};
