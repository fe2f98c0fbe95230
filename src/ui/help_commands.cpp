// The main window's language, help and information entries: the language dialog followed by the new texts of
// every window, the active help file handed to the desktop, and the information box.
#include "l10n/cambiolingua.h"
#include "ui/about.h"
#include "ui/cambiolingua_form.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/shell.h"

void TMainForm::Cambiolingua1Execute()
{
    TCambioLinguaForm dialog(
        [this] {
            ApplyTexts();
            for (TMDIChild* child : DrawingWindows())
                child->ApplyHints();
        },
        this);
    dialog.exec();
}

void TMainForm::HelpExecute()
{
    ShellOpen(ActiveHelpFilePath());
}

void TMainForm::HelpAboutExecute()
{
    TAboutForm dialog(this);
    dialog.exec();
}
