// TCambioLinguaForm: the modal dialog "CAMBIO LINGUA / CHANGE LANGUAGE" in which the operator chooses the
// language of the program. Confirming stores the choice, puts the language's message and help files in place
// and lets the main window take the new texts.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;

class TCambioLinguaForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 338, ClientHeight = 287;
    // With the local language hidden: the buttons' top and the dialog's height.
    static constexpr int ShortButtonTop = 168, ShortHeight = 261;

    // applyTexts runs after a change, for the windows to take the new catalogue's texts.
    explicit TCambioLinguaForm(std::function<void()> applyTexts, QWidget* owner = nullptr);

    // Offers Italian and English only, and checks the language of the setting file (none for an unknown code).
    void FormShow();
    // Stores the checked language (Italian when none is checked), switches the message and help files and the
    // texts, then closes the dialog. Every step runs whatever the outcome of the earlier ones.
    void SaveButtonClick();

    QLabel* ItaFlag = nullptr;
    QLabel* EngFlag = nullptr;
    QLabel* LocFlag = nullptr;
    QRadioButton* ItaRB = nullptr;
    QRadioButton* EngRB = nullptr;
    QRadioButton* LocRB = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The code of the checked radio button; Italian when none is checked.
    int CheckedLanguage() const;

    std::function<void()> applyTexts;
};
