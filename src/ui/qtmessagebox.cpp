// The message box handler over QMessageBox.
#include "ui/qtmessagebox.h"

#include <QApplication>

#include "support/mymessagebox.h"
#include "ui/widetext.h"

QMessageBox::Icon MessageBoxIcon(int style)
{
    switch (style) {
    case MsgStyleError: return QMessageBox::Critical;
    case MsgStyleWarning: return QMessageBox::Warning;
    case MsgStyleQuestion: return QMessageBox::Question;
    default: return QMessageBox::Information;
    }
}

QMessageBox::StandardButtons MessageBoxButtons(int style)
{
    return style == MsgStyleQuestion ? (QMessageBox::Yes | QMessageBox::No)
                                     : QMessageBox::StandardButtons(QMessageBox::Ok);
}

int MessageBoxResult(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return MsgResultYes;
    case QMessageBox::No: return MsgResultNo;
    default: return MsgResultOk;
    }
}

int QtMessageBox(const std::string& text, const std::string& title, int style)
{
    QMessageBox box(MessageBoxIcon(style), ToQString(title), ToQString(text), MessageBoxButtons(style),
                    QApplication::activeWindow());
    box.setObjectName("MyMessageBox");
    if (style == MsgStyleQuestion)
        box.setDefaultButton(QMessageBox::Yes);
    // A box shown during a long operation waits for the operator: the hourglass gives way meanwhile.
    QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    box.exec();
    QApplication::restoreOverrideCursor();
    // A question closed without an answer (Escape, the window's close button) counts as No.
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        return style == MsgStyleQuestion ? MsgResultNo : MsgResultOk;
    return MessageBoxResult(box.standardButton(clicked));
}

void InstallQtMessageBox()
{
    SetMessageBoxHandler(QtMessageBox);
}
