// The common part of the archive browser and the drawing chooser: folder controls, Open and Cancel, the returned
// path, and the dialog's show, close and Esc handling.
#include "ui/archivedialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "model/drw_file.h"
#include "ui/archivefolder.h"
#include "ui/glyphbutton.h"
#include "ui/selecdir.h"
#include "ui/widetext.h"

ArchiveDialog::ArchiveDialog(QWidget* parent, const char* objectName, int clientWidth, int clientHeight)
    : QDialog(parent)
{
    setObjectName(objectName);
    setFixedSize(clientWidth, clientHeight);
}

void ArchiveDialog::CreateFolderControls()
{
    SelDisFolderBtn = MakeGlyphButton(this, "SelDisFolderBtn", "folder-open", QRect(5, 5, 32, 32), false);
    SelDisFolderBtn->setIconSize(QSize(24, 24));
    SelDisFolderBtn->setAccessibleName("Cartella dei disegni");
    connect(SelDisFolderBtn, &QPushButton::clicked, this, [this] { SelDisFolderBtnClick(); });
    PathLabel = new QLabel(this);
    PathLabel->setObjectName("PathLabel");
    PathLabel->move(42, 8);
}

void ArchiveDialog::CreateCommandButtons(const QRect& open, const QRect& cancel)
{
    OpenButton = MakeGlyphButton(this, "OpenButton", "document-open", open, true);
    connect(OpenButton, &QPushButton::clicked, this, [this] { OpenButtonClick(); });
    CancelButton = MakeGlyphButton(this, "CancelButton", "dialog-cancel", cancel, true);
    connect(CancelButton, &QPushButton::clicked, this, &ArchiveDialog::CancelButtonClick);
}

void ArchiveDialog::SetFolder(const std::string& shownFolder)
{
    folder = shownFolder;
    PathLabel->setText(ToQString(folder));
    PathLabel->adjustSize();
}

bool ArchiveDialog::BrowseFolder(std::string& name)
{
    std::string chosen;
    if (!SelectFolder(folder, chosen))
        return false;
    std::string shownFolder;
    SplitChosenFolder(chosen, shownFolder, name);
    SetFolder(shownFolder);
    return true;
}

void ArchiveDialog::Choose(const std::string& name)
{
    resultPath = ArchiveDrawingPath(folder, name);
    WriteArchiveFolder(folder);
    accept();
}

void ArchiveDialog::CancelButtonClick()
{
    WriteArchiveFolder(folder);
    reject();
}

void ArchiveDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void ArchiveDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void ArchiveDialog::keyPressEvent(QKeyEvent* event)
{
    // Esc is the folder button's key, as the dialog's cancel button.
    if (event->key() == Qt::Key_Escape) {
        SelDisFolderBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
