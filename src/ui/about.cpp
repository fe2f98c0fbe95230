// The information box: identification lines, logo, version, and the remote-assistance button.
#include "ui/about.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "l10n/messaggi.h"
#include "support/text.h"
#include "ui/teleassist.h"
#include "ui/widetext.h"

namespace {

constexpr int LogoSize = 128;

QLabel* AddLine(QWidget* parent, const char* name, int top, int pointSize)
{
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setGeometry(200, top, 380, 26);
    QFont font = line->font();
    font.setPointSize(pointSize);
    line->setFont(font);
    return line;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner)
{
    Q_INIT_RESOURCE(quorvia_ui);
    setObjectName("AboutForm");
    setFixedSize(ClientWidth, ClientHeight);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(24, 24, LogoSize + 16, LogoSize + 16);
    auto* logo = new QLabel(bevel);
    logo->setObjectName("ProgramIcon");
    logo->setPixmap(QIcon(":/icons/quorvia.svg").pixmap(LogoSize, LogoSize));
    logo->setGeometry(8, 8, LogoSize, LogoSize);

    AddLine(this, "ProgramName", 28, 16)->setText("QUORVIA");
    PurposeLbl = AddLine(this, "PurposeLbl", 64, 10);
    ContentLbl = AddLine(this, "ContentLbl", 90, 10);
    VerLbl = new QLabel(this);
    VerLbl->setObjectName("VerLbl");
    VerLbl->setGeometry(200, 130, 380, 26);

    TeleAssBtn = new QPushButton(this);
    TeleAssBtn->setObjectName("TeleAssBtn");
    TeleAssBtn->setGeometry(24, 212, 200, 40);
    ExitButton = new QPushButton("  Ok", this);
    ExitButton->setObjectName("ExitButton");
    ExitButton->setGeometry(459, 212, 120, 40);
    connect(TeleAssBtn, &QPushButton::clicked, this, &TAboutForm::TeleAssBtnClick);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAboutForm::FormShow()
{
    setWindowTitle(ToQString(MsgText(82)));
    TeleAssBtn->setText(ToQString(MsgText(83)));
    PurposeLbl->setText(ToQString(MsgText(319)));
    ContentLbl->setText(ToQString(MsgText(320)));
    VerLbl->setText(ToQString(MsgText(321) + StrFormat(" : %s", ProgramVersion)));
}

void TAboutForm::TeleAssBtnClick()
{
    TTeleAssForm dialog(this);
    dialog.exec();
}
