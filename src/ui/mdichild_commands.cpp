// The drawing window's commands that change, store or export its drawing without a dialog of their own: save,
// save as, restore the initial drawing, export as a bitmap, mirror, rotate and simplify.
#include <QProgressBar>

#include <filesystem>

#include "dxf/importdxf.h"
#include "l10n/messaggi.h"
#include "render/bitmapexport.h"
#include "support/log.h"
#include "support/mymessagebox.h"
#include "support/text.h"
#include "ui/archivefolder.h"
#include "ui/mdichild.h"
#include "ui/savefiledialog.h"
#include "ui/stepnames.h"
#include "ui/waitcursor.h"
#include "ui/widetext.h"

namespace {

// The archive folder the save dialogs open in: the one the chooser and the browser show, so that a drawing just
// saved is found there; without a trailing '/'.
std::string DrawFolder()
{
    std::string folder = ShownArchiveFolder();
    if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// The bitmap file for a chosen name: kept when it ends in ".bmp" in any letter case, else ".bmp" is appended
// after the whole name.
std::string BitmapFileName(const std::string& chosen)
{
    const std::string extension = std::filesystem::path(chosen).extension().string();
    return EqualsNoCase(extension, ".bmp") ? chosen : chosen + ".bmp";
}

}  // namespace

void TMDIChild::SaveDrawing()
{
    // A recovered copy is saved under a name of the operator's choice, never over the copy.
    if (imported || recovered) {
        SaveDrawingAs();
        return;
    }
    WaitCursor waitCursor;
    // Save writes a complete new file before it replaces the old one, so the old one is never deleted first.
    if (drawing.Save(filePath))
        DrawingSaved(filePath);
}

void TMDIChild::SaveDrawingAs()
{
    const SaveFileRequest request{"Salva disegno", DrawFolder(),
                                  DrawFolder() + "/" + std::filesystem::path(filePath).stem().string() + ".dis",
                                  "File disegno (*.dis)", "dis"};
    const std::string chosen = ChooseSaveFile(this, request);
    if (chosen.empty())
        return;
    WaitCursor waitCursor;
    // The window takes the new name only when the drawing is really there (Save has reported a failure otherwise).
    if (!drawing.Save(chosen))
        return;
    const std::string previousPath = filePath;
    filePath = chosen;
    setWindowTitle(ToQString(filePath) + "[*]");
    imported = false;
    DrawingSaved(previousPath);
}

void TMDIChild::RestoreDrawing()
{
    drawing.Clear();
    bool reread = true;
    if (imported) {
        std::error_code error;
        reread = std::filesystem::is_regular_file(filePath, error);
        SetImportProgress([](int) {});
        ImportDxf(filePath, drawing);  // the import's warnings were shown when the window opened
    } else {
        reread = drawing.Load(filePath);
    }
    UpdateInfoPanel();
    step = 0;
    FitDrawing();
    RepaintDrawing();
    // A failed reading is a step too, so that undo gives back the drawing it emptied.
    RecordStep(StepRestore, StepView::Fit);
    if (reread)
        DrawingReread();
}

void TMDIChild::ExportBitmap()
{
    const SaveFileRequest request{"Salva disegno come bitmap", DrawFolder(), DrawFolder() + "/" + baseName + ".bmp",
                                  "File bitmap (*.bmp)", "bmp"};
    const std::string chosen = ChooseSaveFile(this, request);
    if (chosen.empty())
        return;
    WaitCursor waitCursor;
    drawing.CopyContentsTo(scratchDrawing);
    ExportDrawingBitmap(scratchDrawing, BitmapFileName(chosen));
}

void TMDIChild::MirrorDrawingX()
{
    drawing.MirrorX();
    RepaintDrawing();
    RecordStep(StepMirrorX, StepView::Keep);
}

void TMDIChild::MirrorDrawingY()
{
    drawing.MirrorY();
    RepaintDrawing();
    RecordStep(StepMirrorY, StepView::Keep);
}

void TMDIChild::RotateDrawingCW()
{
    drawing.RotateCW();
    FitDrawing();
    RepaintDrawing();
    RecordStep(StepRotateCW, StepView::Fit);
}

void TMDIChild::RotateDrawingCCW()
{
    drawing.RotateCCW();
    FitDrawing();
    RepaintDrawing();
    RecordStep(StepRotateCCW, StepView::Fit);
}

void TMDIChild::SimplifyDrawing()
{
    const int before = drawing.entityCount();
    {
        WaitCursor waitCursor;
        SimplifyDrwGauge->setValue(0);
        SimplifyDrwGauge->show();
        SimplifyDrwGauge->raise();
        drawing.Simplify([this](double fraction) {
            SimplifyDrwGauge->setValue(static_cast<int>(fraction * 100));
            SimplifyDrwGauge->repaint();
        });
        SimplifyDrwGauge->hide();
        const int after = drawing.entityCount();
        if (after != before)
            WriteEventLog(
                StrFormat("Eseguita procedura di semplificazione disegno, entità ridotte da %d a %d", before, after));
        else
            WriteEventLog(StrFormat(
                "Procedura di semplificazione disegno eseguita senza riduzione entità, numero entità %d", after));
        // The counts on the panel follow the drawing.
        UpdateInfoPanel();
        repaintRequested = 1;
        RecordStep(StepSimplify, StepView::Keep);
    }
    MyMessageBox(
        StrFormat("%s: %d \n%s: %d", MsgText(304).c_str(), before, MsgText(305).c_str(), drawing.entityCount()),
        MsgText(227), MsgStyleInfo);
}
