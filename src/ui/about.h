// TAboutForm: the information box "INFORMAZIONI" with the program's identification, its version and the way to
// the remote-assistance dialog.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 603, ClientHeight = 275;
    static constexpr const char* ProgramVersion = QUORVIA_VERSION;

    explicit TAboutForm(QWidget* owner = nullptr);

    // Takes the caption, the two lines on the program, the version label and the assistance button's text from the
    // message catalogue.
    void FormShow();
    // Shows the remote-assistance dialog modally.
    void TeleAssBtnClick();

    QLabel* PurposeLbl = nullptr;  // what the program is for
    QLabel* ContentLbl = nullptr;  // what it works with
    QLabel* VerLbl = nullptr;
    QPushButton* TeleAssBtn = nullptr;
    QPushButton* ExitButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
