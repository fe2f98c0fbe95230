// TRedimEntForm: the modal dialog "RIDIMENSIONA ENTITA'" that scales all paths, or the picked ones, by a
// percentage about the centre of their common bounding box, shown live on its preview.
#pragma once

#include <vector>

#include "ui/editentform.h"

class TRedimEntForm : public EditEntForm {
    Q_OBJECT

public:
    static constexpr double FullSize = 100;  // %

    explicit TRedimEntForm(QWidget* owner = nullptr);

    // The confirmed percentage, whether only picked paths are scaled, and the picked paths (none unless
    // selectedOnly).
    void GetResult(double& percent, bool& onlySelected, int& count, std::vector<int>& paths) const;

    double percentage = FullSize;  // % (a text that does not convert while typing shows the drawing at 100 %)
    QLineEdit* PercEdt = nullptr;

protected:
    void ApplyOperation(Drw& drawing, const int* count, const int* paths) const override;
};
