// TMoveEntForm: the modal dialog "MUOVI ENTITA'" that moves all paths, or the picked ones, by an X/Y offset in
// millimetres, shown live on its preview.
#pragma once

#include "ui/offsetentform.h"

class TMoveEntForm : public OffsetEntForm {
    Q_OBJECT

public:
    explicit TMoveEntForm(QWidget* owner = nullptr);

protected:
    void ApplyOperation(Drw& drawing, const int* count, const int* paths) const override;
};
