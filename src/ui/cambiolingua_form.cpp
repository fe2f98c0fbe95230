// The language selection dialog: its controls and flags, the current language on showing, and the change.
#include "ui/cambiolingua_form.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "l10n/cambiolingua.h"
#include "l10n/messaggi.h"
#include "ui/waitcursor.h"

namespace {

constexpr int FlagWidth = 60, FlagHeight = 40, RowTop = 24, RowStep = 64, ButtonTop = 216;

// The Italian tricolour: green, white and red bands.
QPixmap ItalianFlag()
{
    QPixmap flag(FlagWidth, FlagHeight);
    QPainter painter(&flag);
    const int band = FlagWidth / 3;
    painter.fillRect(0, 0, band, FlagHeight, QColor(0x00, 0x92, 0x46));
    painter.fillRect(band, 0, band, FlagHeight, Qt::white);
    painter.fillRect(2 * band, 0, FlagWidth - 2 * band, FlagHeight, QColor(0xce, 0x2b, 0x37));
    return flag;
}

// The Union Flag, drawn plainly: blue field, white and red diagonals, white and red cross.
QPixmap EnglishFlag()
{
    QPixmap flag(FlagWidth, FlagHeight);
    flag.fill(QColor(0x01, 0x21, 0x69));
    QPainter painter(&flag);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor red(0xc8, 0x10, 0x2e);
    const QLineF diagonals[] = {{0, 0, FlagWidth, FlagHeight}, {0, FlagHeight, FlagWidth, 0}};
    painter.setPen(QPen(Qt::white, 8));
    painter.drawLines(diagonals, 2);
    painter.setPen(QPen(red, 3));
    painter.drawLines(diagonals, 2);
    painter.fillRect(FlagWidth / 2 - 6, 0, 12, FlagHeight, Qt::white);
    painter.fillRect(0, FlagHeight / 2 - 6, FlagWidth, 12, Qt::white);
    painter.fillRect(FlagWidth / 2 - 4, 0, 8, FlagHeight, red);
    painter.fillRect(0, FlagHeight / 2 - 4, FlagWidth, 8, red);
    return flag;
}

// The local language has no flag of its own: a plain grey field.
QPixmap LocalFlag()
{
    QPixmap flag(FlagWidth, FlagHeight);
    flag.fill(QColor(0xc0, 0xc0, 0xc0));
    return flag;
}

QLabel* MakeFlag(QWidget* parent, const char* name, const QPixmap& picture, int row)
{
    auto* flag = new QLabel(parent);
    flag->setObjectName(name);
    flag->setPixmap(picture);
    flag->setFrameShape(QFrame::Box);
    flag->setGeometry(48, RowTop + row * RowStep, FlagWidth + 2, FlagHeight + 2);
    return flag;
}

QRadioButton* MakeLanguage(QWidget* parent, const char* name, const char* text, int row)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(140, RowTop + row * RowStep + 8, 160, 26);
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* text, int left)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(left, ButtonTop, 130, 34);
    return button;
}

}  // namespace

TCambioLinguaForm::TCambioLinguaForm(std::function<void()> applyTexts, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), applyTexts(std::move(applyTexts))
{
    setObjectName("CambioLinguaForm");
    setWindowTitle("CAMBIO LINGUA / CHANGE LANGUAGE");
    setFixedSize(ClientWidth, ClientHeight);
    ItaFlag = MakeFlag(this, "ItaFlag", ItalianFlag(), 0);
    EngFlag = MakeFlag(this, "EngFlag", EnglishFlag(), 1);
    LocFlag = MakeFlag(this, "LocFlag", LocalFlag(), 2);
    ItaRB = MakeLanguage(this, "ItaRB", "Italiano", 0);
    EngRB = MakeLanguage(this, "EngRB", "English", 1);
    LocRB = MakeLanguage(this, "LocRB", "Local", 2);
    SaveButton = MakeButton(this, "SaveButton", "Cambia / Change", 28);
    CancelButton = MakeButton(this, "CancelButton", "Annulla / Cancel", 180);
    connect(SaveButton, &QPushButton::clicked, this, &TCambioLinguaForm::SaveButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TCambioLinguaForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TCambioLinguaForm::FormShow()
{
    LocFlag->hide();
    LocRB->hide();
    SaveButton->move(SaveButton->x(), ShortButtonTop);
    CancelButton->move(CancelButton->x(), ShortButtonTop);
    setFixedSize(ClientWidth, ShortHeight);
    const int code = ReadLanguageSetting();
    // Exclusive radio buttons cannot all be cleared one by one: lift the exclusivity for the moment.
    ItaRB->setAutoExclusive(false);
    EngRB->setAutoExclusive(false);
    LocRB->setAutoExclusive(false);
    ItaRB->setChecked(code == LanguageItalian);
    EngRB->setChecked(code == LanguageEnglish);
    LocRB->setChecked(code == LanguageLocal);
    ItaRB->setAutoExclusive(true);
    EngRB->setAutoExclusive(true);
    LocRB->setAutoExclusive(true);
}

int TCambioLinguaForm::CheckedLanguage() const
{
    if (ItaRB->isChecked())
        return LanguageItalian;
    if (EngRB->isChecked())
        return LanguageEnglish;
    if (LocRB->isChecked())
        return LanguageLocal;
    return LanguageItalian;
}

void TCambioLinguaForm::SaveButtonClick()
{
    {
        const WaitCursor hourglass;
        const int code = CheckedLanguage();
        WriteLanguageSetting(code);
        ChangeMessageLanguage(code);
        CopyHelpFile(code);
        if (applyTexts)
            applyTexts();
    }
    accept();
}
