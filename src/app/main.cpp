// The application quorvia: the Qt application with the Breeze icon theme, the message box shown as a dialog,
// and the main window; drawing files named on the command line are opened as the import and open commands do.
#include <QApplication>
#include <QIcon>
#include <QStringList>

#include "ui/mainform.h"
#include "ui/qtmessagebox.h"
#include "ui/widetext.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quorvia");
  QApplication::setApplicationDisplayName("QUORVIA");
  QApplication::setDesktopFileName("quorvia");
  QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << "/usr/share/icons");
  QIcon::setThemeName("breeze");
  InstallQtMessageBox();

  TMainForm mainForm;
  QApplication::setWindowIcon(QIcon(":/icons/quorvia.svg"));
  mainForm.show();
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) mainForm.OpenFileByExtension(ToStdString(arguments[i]));
  return QApplication::exec();
}
