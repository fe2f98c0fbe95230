// The resize drawing dialog: controls, texts, keeping the proportion while typing, and the confirmation.
#include "ui/ridimensionadrw.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

#include "l10n/messaggi.h"
#include "support/mymessagebox.h"
#include "support/mytypeconversion.h"
#include "support/text.h"
#include "ui/widetext.h"

namespace {

constexpr int ClientWidth = 280, ClientHeight = 216;

QLineEdit* MakeSizeEdit(QWidget* parent, const char* name, const char* label, int top)
{
    (new QLabel(label, parent))->setGeometry(24, top, 24, 24);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(52, top, 130, 24);
    (new QLabel("mm", parent))->setGeometry(190, top, 40, 24);
    return edit;
}

}  // namespace

TRidimForm::TRidimForm(QWidget* owner) : QDialog(owner)
{
    setObjectName("RidimForm");
    setWindowTitle("RIDIMENSIONA DISEGNO");
    setFixedSize(ClientWidth, ClientHeight);
    PropCB = new QCheckBox(this);
    PropCB->setObjectName("PropCB");
    PropCB->setGeometry(24, 14, 240, 24);
    XEdt = MakeSizeEdit(this, "XEdt", "X:", 48);
    YEdt = MakeSizeEdit(this, "YEdt", "Y:", 82);
    connect(XEdt, &QLineEdit::textChanged, this, &TRidimForm::XEdtChange);
    connect(YEdt, &QLineEdit::textChanged, this, &TRidimForm::YEdtChange);
    ScalaCB = new QCheckBox(this);
    ScalaCB->setObjectName("ScalaCB");
    ScalaCB->setGeometry(24, 118, 240, 24);
    ScalaCB->setChecked(true);
    ModButton = new QPushButton(this);
    ModButton->setObjectName("ModButton");
    ModButton->setGeometry(24, 166, 110, 32);
    connect(ModButton, &QPushButton::clicked, this, &TRidimForm::ModButtonClick);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(146, 166, 110, 32);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TRidimForm::Setup(const Drw& drawing)
{
    workDrw = drawing;
    auto& [minX, minY, maxX, maxY] = extents;
    workDrw.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    origWidth = newWidth = maxX - minX;
    origHeight = newHeight = maxY - minY;
    aspectRatio = origWidth < Epsilon ? LargestDouble : origHeight / origWidth;
}

void TRidimForm::GetResult(double& maxX, double& maxY) const
{
    maxX = extents[0] + newWidth;
    maxY = extents[1] + newHeight;
}

void TRidimForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TRidimForm::FormShow()
{
    setWindowTitle(ToQString(MsgText(92)));
    PropCB->setText(ToQString(MsgText(94)));
    ScalaCB->setText(ToQString(MsgText(95)));
    ModButton->setText(ToQString(MsgText(93)));
    CancelButton->setText(ToQString(MsgText(86)));
    PropCB->setChecked(true);
    ShowValue(XEdt, newWidth);
    ShowValue(YEdt, newHeight);
}

void TRidimForm::ShowValue(QLineEdit* edit, double value)
{
    const QSignalBlocker quiet(edit);
    edit->setText(ToQString(StrFormat("%.2f", value)));
}

// A drawing of zero width or height has no proportion to keep: the other size would be infinite or undefined.
bool TRidimForm::ProportionDefined() const
{
    return origWidth >= Epsilon && origHeight >= Epsilon;
}

void TRidimForm::XEdtChange()
{
    if (!PropCB->isChecked())
        return;
    newWidth = TextToDouble(ToStdString(XEdt->text()), false, true);
    if (!ProportionDefined())
        return;
    const double height = newWidth * aspectRatio;
    if (!std::isfinite(height) || std::fabs(newHeight - height) < ProportionTolerance)
        return;
    newHeight = height;
    ShowValue(YEdt, newHeight);
}

void TRidimForm::YEdtChange()
{
    if (!PropCB->isChecked())
        return;
    newHeight = TextToDouble(ToStdString(YEdt->text()), false, true);
    if (!ProportionDefined())
        return;
    const double width = newHeight / aspectRatio;
    if (!std::isfinite(width) || std::fabs(newWidth - width) < ProportionTolerance)
        return;
    newWidth = width;
    ShowValue(XEdt, newWidth);
}

void TRidimForm::ModButtonClick()
{
    newWidth = TextToDouble(ToStdString(XEdt->text()), true, true);
    if (ConversionFailed)
        return;
    newHeight = TextToDouble(ToStdString(YEdt->text()), true, true);
    if (ConversionFailed)
        return;
    scaleEntities = ScalaCB->isChecked();
    if (SizeUsable() && ShrinkAllowed())
        accept();
}

bool TRidimForm::SizeUsable() const
{
    // An axis with extent needs a size above zero: zero would collapse it onto its edge, a negative size turn it
    // over (and arcs into their complements).
    if ((origWidth >= Epsilon && newWidth < Epsilon) || (origHeight >= Epsilon && newHeight < Epsilon)) {
        MyMessageBox(MsgText(324), MsgText(227), MsgStyleWarning);  // ED002
        return false;
    }
    if (!ResultFinite()) {
        MyMessageBox(MsgText(323), MsgText(227), MsgStyleWarning);  // ED001
        return false;
    }
    return true;
}

bool TRidimForm::ResultFinite() const
{
    double maxX = 0, maxY = 0;
    GetResult(maxX, maxY);
    const bool scalesFinite = std::isfinite(newWidth / std::max(origWidth, Epsilon)) &&
                              std::isfinite(newHeight / std::max(origHeight, Epsilon));
    if (!scalesFinite || !std::isfinite(maxX) || !std::isfinite(maxY))
        return false;
    // The resize leaves a drawing unchanged, and unmodified, when a coordinate would not be finite.
    Drw trial = workDrw;
    trial.modified = false;
    trial.ResizeDrawing(maxX, maxY, "");
    return trial.modified || trial.entities.empty();
}

bool TRidimForm::ShrinkAllowed()
{
    if (scaleEntities || (newWidth >= origWidth - ShrinkTolerance && newHeight >= origHeight - ShrinkTolerance))
        return true;
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    workDrw.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    if (maxX > newWidth + Epsilon || maxY > newHeight + Epsilon) {
        MyMessageBox(MsgText(240), MsgText(227), MsgStyleWarning);
        return false;
    }
    return true;
}
