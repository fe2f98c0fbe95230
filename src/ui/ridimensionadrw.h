// TRidimForm: the modal dialog "RIDIMENSIONA DISEGNO" in which the operator gives the drawing new overall
// dimensions in millimetres, optionally keeping the present proportion; the drawing window then resizes its
// drawing so that its extents end at the new size, the lower-left corner staying where it is.
#pragma once

#include <QDialog>

#include <array>

#include "geometry/mymath.h"
#include "model/drw.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TRidimForm : public QDialog {
    Q_OBJECT

public:
    // mm: typed values that keep the proportion within this are left as they are (it ends the exchange between
    // the two edits); a shrink of more than ShrinkTolerance without scaling is checked against the extents.
    static constexpr double ProportionTolerance = 0.05;
    static constexpr double ShrinkTolerance = 0.1;

    explicit TRidimForm(QWidget* owner = nullptr);

    // Copies drawing and takes its present width, height and proportion.
    void Setup(const Drw& drawing);
    // The new far corner: the extents' lower-left corner plus the new width and height.
    void GetResult(double& maxX, double& maxY) const;

    // Typing with "Mantieni proporzioni" checked: the other edit follows so that the proportion is kept, when the
    // drawing has one (both present extents non-zero).
    void XEdtChange();
    void YEdtChange();
    // Confirming: both edits converted with their messages; a text that does not convert keeps the dialog open.
    // A size of zero or less on an axis that has extent, and a size that would give coordinates that are not
    // finite numbers, are refused with a warning, the dialog staying open. Shrinking without "Scala entità del
    // disegno" is refused with a warning when the drawing would not fit.
    void ModButtonClick();

    double newWidth = 0, newHeight = 0;  // mm
    double aspectRatio = LargestDouble;  // present height / width; LargestDouble for a width of zero
    bool scaleEntities = true;
    double origWidth = 0, origHeight = 0;  // mm
    Drw workDrw;
    std::array<double, 4> extents{};  // min x, min y, max x, max y (mm)

    QCheckBox* PropCB = nullptr;
    QLineEdit* XEdt = nullptr;
    QLineEdit* YEdt = nullptr;
    QCheckBox* ScalaCB = nullptr;
    QPushButton* ModButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    bool ProportionDefined() const;
    // Shows value in edit with two decimals, without firing the edit's change.
    static void ShowValue(QLineEdit* edit, double value);
    // Whether the new size is above zero and gives finite coordinates; otherwise a warning says why.
    bool SizeUsable() const;
    bool ResultFinite() const;
    // Whether the new size leaves the drawing inside it, or the operator allowed scaling.
    bool ShrinkAllowed();
};
