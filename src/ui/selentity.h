// TSelEntityForm: the modal dialog in which the operator picks whole paths of a drawing with a rubber-band
// rectangle on a preview of a private copy. It changes no drawing: its caller gets the picked path numbers.
// Esc clears the selection without closing; "Annulla" clears it and closes.
#pragma once

#include <string>
#include <vector>

#include "ui/previewform.h"

class QPushButton;

class TSelEntityForm : public PreviewForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 650, ClientHeight = 632;
    static constexpr int PreviewWidth = 596, PreviewHeight = 549;  // pixels of the preview paint box

    explicit TSelEntityForm(QWidget* owner = nullptr);

    // Copies drawing whole into workDrw and sets the dialog's caption and the confirming button's caption.
    void Setup(const Drw& drawing, const std::string& caption, const std::string& okCaption);
    // The picked path numbers in the order they were picked.
    void GetSelection(int& count, std::vector<int>& paths) const;

    // The preview: every entity in its normal colours, each picked path again with the ends of its entities marked.
    void RedrawPreview();
    void CancelBtnClick();

    QPushButton* OkButton = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void FormShow() override;
    void Refresh() override { RedrawPreview(); }
    void PathsPicked() override { redrawRequest = 1; }
    void keyPressEvent(QKeyEvent* event) override;
};
