// The remote-assistance dialog: the stored program, choosing it, and starting it.
#include "ui/teleassist.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "l10n/messaggi.h"
#include "support/assistprogram.h"
#include "ui/shell.h"
#include "ui/widetext.h"

namespace {

std::string ShowProgramDialog(QWidget* parent, const std::string& folder)
{
    QFileDialog dialog(parent, "Seleziona programma per teleassistenza", ToQString(folder), "Tutti i files (*)");
    dialog.setObjectName("SelAssProgramDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return ToStdString(dialog.selectedFiles().front());
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

TTeleAssForm::TTeleAssForm(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("TeleAssForm");
    setFixedSize(ClientWidth, ClientHeight);
    ProgAssNameEdit = new QLineEdit(this);
    ProgAssNameEdit->setObjectName("ProgAssNameEdit");
    ProgAssNameEdit->setGeometry(24, 24, 467, 28);
    SelAssPrgBtn = MakeButton(this, "SelAssPrgBtn", QRect(24, 66, 467, 34));
    StartButton = MakeButton(this, "StartButton", QRect(24, 136, 150, 40));
    CancelButton = MakeButton(this, "CancelButton", QRect(341, 136, 150, 40));
    connect(SelAssPrgBtn, &QPushButton::clicked, this, &TTeleAssForm::SelAssPrgBtnClick);
    connect(StartButton, &QPushButton::clicked, this, &TTeleAssForm::StartButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // A name typed by hand is checked as it changes, so "Avvia" always matches the edit.
    connect(ProgAssNameEdit, &QLineEdit::textChanged, this, &TTeleAssForm::UpdateStartButton);
    chooseProgram = [this](const std::string& folder) { return ShowProgramDialog(this, folder); };

    std::string program;
    if (ReadAssistProgram(program))
        ProgAssNameEdit->setText(ToQString(program));
    UpdateStartButton();
}

void TTeleAssForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TTeleAssForm::FormShow()
{
    setWindowTitle(ToQString(MsgText(78)));
    StartButton->setText(ToQString(MsgText(79)));
    CancelButton->setText(ToQString(MsgText(80)));
    SelAssPrgBtn->setText(ToQString(MsgText(81)));
}

std::string TTeleAssForm::ProgramName() const
{
    return ToStdString(ProgAssNameEdit->text());
}

void TTeleAssForm::UpdateStartButton()
{
    StartButton->setEnabled(AssistProgramExists(ProgramName()));
}

void TTeleAssForm::SelAssPrgBtnClick()
{
    const std::string program = chooseProgram(AssistProgramFolder());
    if (AssistProgramExists(program)) {
        ProgAssNameEdit->setText(ToQString(program));
        WriteAssistProgram(program);
    }
    UpdateStartButton();
}

void TTeleAssForm::StartButtonClick()
{
    if (AssistProgramExists(ProgramName()))
        ShellOpen(ProgramName());
    UpdateStartButton();
}
