// Tests of the information box and of the main window's help entries: texts and version in each language, the
// way to the remote-assistance dialog, and the help file handed to a recording shell (nothing is launched).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <utility>
#include <vector>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "l10n/messaggi.h"
#include "ui/about.h"
#include "ui/mainform.h"
#include "ui/shell.h"
#include "ui/teleassist.h"

class TestAboutForm : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::vector<std::pair<std::string, std::string>> launched;  // file, directory
    bool shellSucceeds = true;

    // Records whether the next statement opens a visible modal Dialog, and closes that modal window.
    template <typename Dialog>
    void OnNextModal(bool& seen)
    {
        QTimer::singleShot(0, this, [&seen] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            seen = dialog != nullptr && dialog->isVisible();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        launched.clear();
        shellSucceeds = true;
        SetShellOpenHandler([this](const std::string& file, const std::string& directory) {
            launched.emplace_back(file, directory);
            return shellSucceeds;
        });
    }
    void cleanup()
    {
        SetShellOpenHandler(nullptr);
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void textsFromTheCatalogueAndAFixedVersion_data()
    {
        QTest::addColumn<QString>("messages");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("purpose");
        QTest::addColumn<QString>("version");
        QTest::newRow("italian") << ""
                                 << "INFORMAZIONI"
                                 << "Tele assistenza"
                                 << "Preparazione di disegni per macchine da cucire"
                                 << "VERSIONE PROGRAMMA : 1.0";
        QTest::newRow("english")
            << "82=INFORMATION\n83=Remote assistance\n319=Preparing drawings\n321=PROGRAM VERSION\n"
            << "INFORMATION"
            << "Remote assistance"
            << "Preparing drawings"
            << "PROGRAM VERSION : 1.0";
    }
    void textsFromTheCatalogueAndAFixedVersion()
    {
        QFETCH(QString, messages);
        QFETCH(QString, caption);
        QFETCH(QString, button);
        QFETCH(QString, purpose);
        QFETCH(QString, version);
        if (!messages.isEmpty())
            progDir->WriteFile("msg/cad.msg", messages.toStdString());
        CreateMessageCatalogue();
        TAboutForm form;
        form.show();
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(form.TeleAssBtn->text(), button);
        QCOMPARE(form.PurposeLbl->text(), purpose);
        QCOMPARE(form.VerLbl->text(), version);
        QCOMPARE(form.size(), QSize(603, 275));
    }

    void assistanceButtonOpensTheAssistanceDialogModally()
    {
        CreateMessageCatalogue();
        TAboutForm form;
        form.show();
        bool seen = false;
        OnNextModal<TTeleAssForm>(seen);
        QTest::mouseClick(form.TeleAssBtn, Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(form.isVisible());
        QTest::mouseClick(form.ExitButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void helpEntriesOfTheMainWindow()
    {
        TMainForm mainForm;
        mainForm.show();
        mainForm.UpdateCommands();
        QVERIFY(mainForm.Action("Help")->isEnabled());
        QVERIFY(mainForm.Action("HelpAbout")->isEnabled());
        mainForm.Action("Help")->trigger();
        QCOMPARE(launched,
                 (std::vector<std::pair<std::string, std::string>>{{progDir->Path() + "/help/help.pdf", ""}}));
        bool seen = false;
        OnNextModal<TAboutForm>(seen);
        mainForm.Action("HelpAbout")->trigger();
        QVERIFY(seen);
        mainForm.CloseProgram();
    }

    // Help without a program for the help file says so, with the file's path.
    void helpWithoutAProgramSaysSo()
    {
        TMainForm mainForm;
        shellSucceeds = false;
        mainForm.HelpExecute();
        QCOMPARE(recorder->Count(), std::size_t(1));
        const std::string text = recorder->Messages()[0].text;
        QVERIFY(text.rfind("CH002:", 0) == 0);
        QVERIFY(text.find(progDir->Path() + "/help/help.pdf") != std::string::npos);
        mainForm.CloseProgram();
    }

    // The desktop's refusal is not shown to the operator, only logged.
    void refusedOpenIsLoggedWithoutMessage()
    {
        shellSucceeds = false;
        QVERIFY(!ShellOpen("/no/such/help.pdf"));
        QCOMPARE(recorder->ErrorLines(), std::vector<std::string>{"Impossibile aprire il file: /no/such/help.pdf"});
        QCOMPARE(recorder->Count(), std::size_t(0));
    }
};

QTEST_MAIN(TestAboutForm)
#include "test_about.moc"
