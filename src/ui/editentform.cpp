// The shared copy, move and resize entity dialog: controls at fixed places, texts, the live preview, picking on
// the unchanged drawing, and confirming.
#include "ui/editentform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "l10n/messaggi.h"
#include "support/mymessagebox.h"
#include "support/mytypeconversion.h"
#include "support/text.h"
#include "ui/paintbox.h"
#include "ui/widetext.h"

namespace {

// Fixed geometry, pixels.
constexpr int Margin = 8, ToolBarHeight = 26, PanelTop = Margin + ToolBarHeight + 6, PanelFrame = 6;
constexpr int ColumnGap = 16, RowHeight = 36, EditLeft = 28, EditWidth = 120, EditHeight = 24;
constexpr int GroupHeight = 92, ButtonHeight = 32;

}  // namespace

EditEntForm::EditEntForm(QWidget* owner, const Texts& texts, QSize client, QSize preview)
    : PreviewForm(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), texts(texts)
{
    setFixedSize(client);
    CreatePreview({Margin, PanelTop}, preview, {Margin, Margin});
    columnLeft = Margin + preview.width() + PanelFrame + ColumnGap;
    columnWidth = client.width() - columnLeft - Margin - 4;

    GroupBox3 = new QGroupBox(this);
    GroupBox3->setObjectName("GroupBox3");
    RadioButton5 = new QRadioButton(GroupBox3);
    RadioButton5->setObjectName("RadioButton5");
    RadioButton5->setGeometry(12, 26, columnWidth - 24, 24);
    // Only a change of choice acts: a click on the button already chosen keeps the picks.
    connect(RadioButton5, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton5Click();
    });
    RadioButton6 = new QRadioButton(GroupBox3);
    RadioButton6->setObjectName("RadioButton6");
    RadioButton6->setGeometry(12, 56, columnWidth - 24, 24);
    connect(RadioButton6, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton6Click();
    });

    ModButton = new QPushButton(this);
    ModButton->setObjectName("ModButton");
    ModButton->setAutoDefault(false);
    connect(ModButton, &QPushButton::clicked, this, &EditEntForm::ModButtonClick);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    ApplyTexts();
}

QLineEdit* EditEntForm::AddParameterEdit(const char* name, const char* label, const char* unit, double* value,
                                         double liveFallback, double initial)
{
    const int top = PanelTop + static_cast<int>(parameters.size()) * RowHeight;
    auto* caption = new QLabel(label, this);
    caption->setGeometry(columnLeft, top, EditLeft - 4, EditHeight);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(columnLeft + EditLeft, top, EditWidth, EditHeight);
    auto* unitLabel = new QLabel(unit, this);
    unitLabel->setGeometry(columnLeft + EditLeft + EditWidth + 6, top, 40, EditHeight);
    parameters.push_back({edit, value, liveFallback, initial});
    connect(edit, &QLineEdit::textChanged, this, &EditEntForm::ParametersEdited);

    // The group and the buttons follow the parameter rows.
    const int groupTop = PanelTop + static_cast<int>(parameters.size()) * RowHeight + 12;
    GroupBox3->setGeometry(columnLeft, groupTop, columnWidth, GroupHeight);
    ModButton->setGeometry(columnLeft, groupTop + GroupHeight + 24, columnWidth, ButtonHeight);
    CancelButton->setGeometry(columnLeft, groupTop + GroupHeight + 24 + ButtonHeight + 10, columnWidth, ButtonHeight);
    return edit;
}

void EditEntForm::ApplyTexts()
{
    setWindowTitle(ToQString(MsgText(texts.caption)));
    ModButton->setText(ToQString(MsgText(texts.modButton)));
    CancelButton->setText(ToQString(MsgText(86)));
    GroupBox3->setTitle(ToQString(MsgText(100)));
    RadioButton5->setText(ToQString(MsgText(texts.radioAll)));
    RadioButton6->setText(ToQString(MsgText(texts.radioSelected)));
}

void EditEntForm::Setup(const Drw& drawing)
{
    sourceDrw = &drawing;
    workDrw = drawing;
}

void EditEntForm::FormShow()
{
    ApplyTexts();
    ApplyZoomHints();
    CreateView(false);
    for (const Parameter& parameter : parameters) {
        *parameter.value = parameter.initial;
        const QSignalBlocker quiet(parameter.edit);
        parameter.edit->setText(ToQString(StrFormat("%.2f", parameter.initial)));
    }
    {
        const QSignalBlocker quiet(RadioButton5);
        RadioButton5->setChecked(true);
    }
    DisPaintBox->unsetCursor();
    selectedPaths.clear();
    refusalShown = false;
    redrawRequest = 1;
    active = true;
}

void EditEntForm::ParametersEdited()
{
    for (const Parameter& parameter : parameters) {
        const double value = TextToDouble(ToStdString(parameter.edit->text()), false, true);
        *parameter.value = ConversionFailed ? parameter.liveFallback : value;
    }
    RecomputePreview();
}

void EditEntForm::RecomputePreview()
{
    if (!view || !sourceDrw)
        return;
    workDrw = *sourceDrw;
    const bool picked = RadioButton6->isChecked();
    if (picked)
        previewList = selectedPaths;
    const int count = static_cast<int>(previewList.size());
    const int* countArg = picked ? &count : nullptr;
    const int* pathsArg = picked ? previewList.data() : nullptr;
    const std::string refusal = Refusal(workDrw, countArg, pathsArg);
    if (refusal.empty()) {
        ApplyOperation(workDrw, countArg, pathsArg);
    } else if (!refusalShown) {
        // Set first: the message box runs the timer, whose updates come back here.
        refusalShown = true;
        MyMessageBox(refusal, MsgText(227), MsgStyleWarning);
    }
    PaintPicture([this] {
        view->DrawDrawing(workDrw, 0, -1);
        if (RadioButton6->isChecked())
            DrawPickedEnds(workDrw);
    });
    redrawRequest = 0;
}

void EditEntForm::RadioButton5Click()
{
    DisPaintBox->unsetCursor();
    RecomputePreview();
}

void EditEntForm::RadioButton6Click()
{
    selectedPaths.clear();
    DisPaintBox->setCursor(Qt::CrossCursor);
    RecomputePreview();
}

bool EditEntForm::PickingOn() const
{
    return RadioButton6->isChecked();
}

void EditEntForm::ModButtonClick()
{
    for (const Parameter& parameter : parameters) {
        const double value = TextToDouble(ToStdString(parameter.edit->text()), true, true);
        if (ConversionFailed) {
            parameter.edit->setFocus();
            return;
        }
        *parameter.value = value;
    }
    selectedOnly = RadioButton6->isChecked();
    if (sourceDrw && !ResultUsable())
        return;
    accept();
}

std::string EditEntForm::Refusal(const Drw&, const int*, const int*) const
{
    return {};
}

bool EditEntForm::ResultUsable() const
{
    const int count = SelectedCount();
    std::string refusal =
        Refusal(*sourceDrw, selectedOnly ? &count : nullptr, selectedOnly ? selectedPaths.data() : nullptr);
    if (refusal.empty()) {
        Drw trial = *sourceDrw;
        ApplyResult(trial);
        if (!trial.AllFinite())
            refusal = MsgText(323);  // ED001: the coordinates would not be finite
    }
    if (refusal.empty())
        return true;
    MyMessageBox(refusal, MsgText(227), MsgStyleWarning);
    return false;
}

void EditEntForm::PickedResult(int& count, std::vector<int>& paths) const
{
    paths = selectedOnly ? selectedPaths : std::vector<int>();
    count = static_cast<int>(paths.size());
}

void EditEntForm::ApplyResult(Drw& drawing) const
{
    if (!selectedOnly) {
        ApplyOperation(drawing, nullptr, nullptr);
        return;
    }
    const int count = SelectedCount();
    ApplyOperation(drawing, &count, selectedPaths.data());
}
