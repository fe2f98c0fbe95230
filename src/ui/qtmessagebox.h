// The application's message box: MyMessageBox's handler shown as a modal QMessageBox, with the icon and buttons
// of the four styles (error, warning, information: OK; question: Yes and No).
#pragma once

#include <QMessageBox>

#include <string>

// The icon and the buttons a style asks for; an unknown style is shown as information with OK.
QMessageBox::Icon MessageBoxIcon(int style);
QMessageBox::StandardButtons MessageBoxButtons(int style);
// The MyMessageBox result of the button that closed the box: 6 Yes, 7 No, 1 for anything else.
int MessageBoxResult(QMessageBox::StandardButton button);

// Shows text with title and style modally over the active window and returns the MyMessageBox result.
int QtMessageBox(const std::string& text, const std::string& title, int style);

// Makes QtMessageBox the handler of MyMessageBox.
void InstallQtMessageBox();
