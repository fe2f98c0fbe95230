// EditEntForm: the one design of the copy, move and resize entity dialogs. The preview shows the dialog's
// operation applied live to a fresh copy of the drawing window's drawing, on all paths or on the paths picked
// with a rubber band where they stand in the unchanged drawing; "Ok" hands the parameters and the picks back and
// the drawing window applies the operation to its own drawing. Each dialog adds its parameter edits and its
// operation.
#pragma once

#include <string>
#include <vector>

#include "ui/previewform.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class EditEntForm : public PreviewForm {
    Q_OBJECT

public:
    // Remembers drawing as the one the preview starts from and copies it into workDrw.
    void Setup(const Drw& drawing);
    // The preview drawing rebuilt from the source with the current parameters, then painted.
    void RecomputePreview();
    // Confirming: the edits converted with their messages; a text that is not a number keeps the dialog open with
    // its edit focused. The choice of picked paths is taken; an operation that cannot be applied whole (Refusal)
    // or that would give coordinates that are not finite numbers is refused with a warning, the dialog staying
    // open. Otherwise the dialog closes with Ok.
    void ModButtonClick();
    // "all paths" and "picked paths only"; a switch to the latter starts an empty pick list (choosing the button
    // that is already chosen changes nothing).
    void RadioButton5Click();
    void RadioButton6Click();
    // Applies the confirmed operation to drawing: to the picked paths when selectedOnly (none when nothing was
    // picked), else to every path.
    void ApplyResult(Drw& drawing) const;

    const Drw* sourceDrw = nullptr;
    bool selectedOnly = false;
    std::vector<int> previewList;  // the pick list handed to the preview's operation

    QGroupBox* GroupBox3 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QPushButton* ModButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    // Catalogue entries of the dialog's caption, confirming button and radio buttons.
    struct Texts {
        int caption, modButton, radioAll, radioSelected;
    };
    EditEntForm(QWidget* owner, const Texts& texts, QSize client, QSize preview);

    // A labelled edit for one parameter, in the next row of the parameter column. value receives the converted
    // text; liveFallback is what a text that does not convert gives while typing; initial is shown at show.
    QLineEdit* AddParameterEdit(const char* name, const char* label, const char* unit, double* value,
                                double liveFallback, double initial);
    // The dialog's drawing operation with its current parameters on a selection (count and paths absent: every
    // path), as the drawing defines them.
    virtual void ApplyOperation(Drw& drawing, const int* count, const int* paths) const = 0;
    // Why the operation with the current parameters cannot be applied whole to drawing on the selection (count and
    // paths absent: every path), as a message for the operator; empty when it can. The preview shows such a
    // refusal once per dialog and leaves the drawing unchanged.
    virtual std::string Refusal(const Drw& drawing, const int* count, const int* paths) const;
    // The picks that the result carries: the list when selectedOnly, else none.
    void PickedResult(int& count, std::vector<int>& paths) const;

    void FormShow() override;
    void Refresh() override { RecomputePreview(); }
    bool PickingOn() const override;
    const Drw& PickDrawing() const override { return sourceDrw ? *sourceDrw : workDrw; }
    void PathsPicked() override { RecomputePreview(); }

private:
    struct Parameter {
        QLineEdit* edit;
        double* value;
        double liveFallback;
        double initial;
    };
    // Every edit converted without messages, as the operator types.
    void ParametersEdited();
    // Confirming: the operation on a copy of the source drawing is applicable whole and gives finite coordinates;
    // otherwise a warning says why.
    bool ResultUsable() const;
    // Caption, button, group and radio texts from the message catalogue.
    void ApplyTexts();

    Texts texts;
    int columnLeft = 0, columnWidth = 0;
    std::vector<Parameter> parameters;
    bool refusalShown = false;  // the preview has shown the operation's refusal
};
