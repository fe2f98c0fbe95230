// TTeleAssForm: the modal dialog "TELE ASSISTENZA" that starts the remote-assistance program the operator chose
// once; the choice is kept in the data folder's "assist.dat".
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

class TTeleAssForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 515, ClientHeight = 196;

    // Shows the program stored in "assist.dat", if any, and enables "Avvia" when that program exists.
    explicit TTeleAssForm(QWidget* owner = nullptr);

    // Takes the texts from the message catalogue.
    void FormShow();
    // "Avvia" is enabled exactly when the edit names an existing file.
    void UpdateStartButton();
    // Lets the operator pick the program, starting in the shipped assistance programs' folder; an existing file
    // picked becomes the shown and stored choice.
    void SelAssPrgBtnClick();
    // Starts the shown program when it exists; the dialog stays open.
    void StartButtonClick();

    // Picks a file starting in folder; an empty result means cancelled. The default shows the open dialog
    // SelAssProgramDialog; tests replace it.
    std::function<std::string(const std::string& folder)> chooseProgram;

    QLineEdit* ProgAssNameEdit = nullptr;
    QPushButton* SelAssPrgBtn = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string ProgramName() const;
};
