// The main window's language, help and information entries: the language dialog followed by the new texts of
// every window and of Qt's own dialogs, the active help file handed to the desktop, and the information box.
#include "l10n/cambiolingua.h"
#include "l10n/messaggi.h"
#include "support/mymessagebox.h"
#include "ui/about.h"
#include "ui/cambiolingua_form.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/qttranslations.h"
#include "ui/shell.h"

void TMainForm::Cambiolingua1Execute()
{
    TCambioLinguaForm dialog(
        [this] {
            ApplyQtTranslations(StoredLanguage());
            ApplyTexts();
            for (TMDIChild* child : DrawingWindows())
                child->ApplyHints();
        },
        this);
    dialog.exec();
}

// Without a program for the help file the operator is told so, with the file's path.
void TMainForm::HelpExecute()
{
    const std::string path = ActiveHelpFilePath();
    if (!ShellOpen(path))
        MyMessageBox(MsgText(326) + " " + path, MsgText(227), MsgStyleWarning);  // CH002
}

void TMainForm::HelpAboutExecute()
{
    TAboutForm dialog(this);
    dialog.exec();
}
