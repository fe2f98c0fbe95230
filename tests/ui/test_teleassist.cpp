// Tests of the remote-assistance dialog: the stored program on opening, choosing and storing a program, and
// starting it only when it exists (through a recording shell, so nothing is launched).
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "l10n/messaggi.h"
#include "ui/shell.h"
#include "ui/teleassist.h"

class TestTeleAssForm : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::vector<std::pair<std::string, std::string>> launched;  // file, directory
    std::string program;                                        // an existing program in utl/service

    std::unique_ptr<TTeleAssForm> ShownForm()
    {
        auto form = std::make_unique<TTeleAssForm>();
        form->show();
        return form;
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        CreateMessageCatalogue();
        launched.clear();
        SetShellOpenHandler([this](const std::string& file, const std::string& directory) {
            launched.emplace_back(file, directory);
            return true;
        });
        program = progDir->WriteFile("utl/service/assist.sh", "#!/bin/sh\n");
    }
    void cleanup()
    {
        SetShellOpenHandler(nullptr);
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void opensWithTheStoredProgram_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("programPresent");
        QTest::addColumn<bool>("startEnabled");
        QTest::newRow("stored and present") << true << true << true;
        QTest::newRow("stored, program deleted") << true << false << false;
        QTest::newRow("nothing stored") << false << true << false;
    }
    void opensWithTheStoredProgram()
    {
        QFETCH(bool, stored);
        QFETCH(bool, programPresent);
        QFETCH(bool, startEnabled);
        if (stored)
            progDir->WriteFile("data/assist.dat", program + "\r\n");
        if (!programPresent)
            std::filesystem::remove(program);
        auto form = ShownForm();
        QCOMPARE(form->ProgAssNameEdit->text(), stored ? QString::fromStdString(program) : QString());
        QCOMPARE(form->StartButton->isEnabled(), startEnabled);
        QCOMPARE(form->windowTitle(), QString("TELE ASSISTENZA"));
        QCOMPARE(form->SelAssPrgBtn->text(), QString("Seleziona programma per assistenza..."));
        QCOMPARE(form->StartButton->text(), QString("Avvia"));
        QCOMPARE(form->CancelButton->text(), QString("Esci"));
        QCOMPARE(recorder->Count(), std::size_t(0));
    }

    void choosingAProgramStoresItAsTheOnlyLine()
    {
        progDir->WriteFile("data/assist.dat", "/somewhere/else/an older, longer choice\r\nstray\r\n");
        auto form = ShownForm();
        std::string offeredFolder;
        form->chooseProgram = [&](const std::string& folder) {
            offeredFolder = folder;
            return program;
        };
        QTest::mouseClick(form->SelAssPrgBtn, Qt::LeftButton);
        QCOMPARE(offeredFolder, progDir->Path() + "/utl/service");
        QCOMPARE(form->ProgAssNameEdit->text(), QString::fromStdString(program));
        QCOMPARE(progDir->ReadFile("data/assist.dat"), program + "\r\n");
        QVERIFY(form->StartButton->isEnabled());
        QVERIFY(launched.empty());
    }

    void cancelledOrMissingChoiceChangesNothing_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::newRow("cancelled") << QString();
        QTest::newRow("missing file") << QString("/no/such/program");
        QTest::newRow("a folder") << QString("/");
    }
    void cancelledOrMissingChoiceChangesNothing()
    {
        QFETCH(QString, picked);
        progDir->WriteFile("data/assist.dat", program + "\r\n");
        auto form = ShownForm();
        form->chooseProgram = [&](const std::string&) { return picked.toStdString(); };
        QTest::mouseClick(form->SelAssPrgBtn, Qt::LeftButton);
        QCOMPARE(form->ProgAssNameEdit->text(), QString::fromStdString(program));
        QCOMPARE(progDir->ReadFile("data/assist.dat"), program + "\r\n");
        QVERIFY(form->StartButton->isEnabled());
    }

    void startLaunchesTheShownProgramAndStaysOpen()
    {
        progDir->WriteFile("data/assist.dat", program + "\r\n");
        auto form = ShownForm();
        QTest::mouseClick(form->StartButton, Qt::LeftButton);
        QCOMPARE(launched, (std::vector<std::pair<std::string, std::string>>{{program, ""}}));
        QVERIFY(form->isVisible());
        QCOMPARE(form->result(), 0);
    }

    void programGoneAfterOpeningLaunchesNothing()
    {
        progDir->WriteFile("data/assist.dat", program + "\r\n");
        auto form = ShownForm();
        QVERIFY(form->StartButton->isEnabled());
        std::filesystem::remove(program);
        form->StartButtonClick();
        QVERIFY(launched.empty());
        QVERIFY(!form->StartButton->isEnabled());
    }

    void typedNameEnablesStartOnlyForAnExistingFile()
    {
        auto form = ShownForm();
        QVERIFY(!form->StartButton->isEnabled());
        form->ProgAssNameEdit->setText(QString::fromStdString(program));
        QVERIFY(form->StartButton->isEnabled());
        form->ProgAssNameEdit->setText(QString::fromStdString(program + ".old"));
        QVERIFY(!form->StartButton->isEnabled());
    }
};

QTEST_MAIN(TestTeleAssForm)
#include "test_teleassist.moc"
