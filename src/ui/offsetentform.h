// OffsetEntForm: the entity dialogs whose parameter is an X/Y offset in millimetres (copy and move): the two
// edits, showing 0 at show, and the result they hand back.
#pragma once

#include <vector>

#include "ui/editentform.h"

class OffsetEntForm : public EditEntForm {
    Q_OBJECT

public:
    // The confirmed offset (mm), whether only picked paths are affected, and the picked paths (none unless
    // selectedOnly).
    void GetResult(double& dx, double& dy, bool& onlySelected, int& count, std::vector<int>& paths) const;

    double deltaX = 0, deltaY = 0;  // mm; a text that does not convert gives 0
    QLineEdit* XEdt = nullptr;
    QLineEdit* YEdt = nullptr;

protected:
    OffsetEntForm(QWidget* owner, const Texts& texts, QSize client, QSize preview);
};
