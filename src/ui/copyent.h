// TCopyEntForm: the modal dialog "COPIA ENTITA'" that appends a copy of all paths, or of the picked ones, moved by
// an X/Y offset in millimetres, shown live on its preview.
#pragma once

#include "ui/offsetentform.h"

class TCopyEntForm : public OffsetEntForm {
    Q_OBJECT

public:
    explicit TCopyEntForm(QWidget* owner = nullptr);

protected:
    void ApplyOperation(Drw& drawing, const int* count, const int* paths) const override;
    // A copy that does not fit the drawing's capacity whole: the copy would be cut short part way.
    std::string Refusal(const Drw& drawing, const int* count, const int* paths) const override;
};
