// Tests of the language selection dialog: the language offered on showing, the change of the setting, message
// and help files and of the main window's texts, the failures of the copies, and cancelling.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "l10n/messaggi.h"
#include "ui/cambiolingua_form.h"
#include "ui/mainform.h"

namespace {

std::string ShippedFile(const std::string& relative)
{
    std::ifstream in(std::string(QUORVIA_TEST_DATA) + "/../../resources/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string ItalianMessages = ShippedFile("msg/ita/cad.ita");
const std::string EnglishMessages = ShippedFile("msg/eng/cad.eng");

}  // namespace

class TestCambioLinguaForm : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    int textsApplied = 0;

    // Italian active, with both languages' message and help files in place unless a test removes them.
    void InstallLanguageFiles()
    {
        progDir->WriteFile("msg/cad.msg", ItalianMessages);
        progDir->WriteFile("msg/ita/cad.ita", ItalianMessages);
        progDir->WriteFile("msg/eng/cad.eng", EnglishMessages);
        progDir->WriteFile("help/help.pdf", "guida italiana");
        progDir->WriteFile("help/ita/help_ita.pdf", "guida italiana");
        progDir->WriteFile("help/eng/help_eng.pdf", "english guide");
        progDir->WriteFile("data/language.dat", "0");
    }

    std::unique_ptr<TCambioLinguaForm> ShownForm()
    {
        auto form = std::make_unique<TCambioLinguaForm>([this] { ++textsApplied; });
        form->show();
        return form;
    }

    // A radio button takes clicks on its circle and text only: click on the circle.
    static void Check(QRadioButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    void ChooseEnglish(TCambioLinguaForm& form)
    {
        Check(form.EngRB);
        QTest::mouseClick(form.SaveButton, Qt::LeftButton);
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        InstallLanguageFiles();
        CreateMessageCatalogue();
        textsApplied = 0;
    }
    void cleanup()
    {
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void showingOffersItalianAndEnglishOnly()
    {
        auto form = ShownForm();
        QVERIFY(form->ItaRB->isVisible() && form->EngRB->isVisible());
        QVERIFY(!form->LocRB->isVisible() && !form->LocFlag->isVisible());
        QCOMPARE(form->SaveButton->y(), 168);
        QCOMPARE(form->CancelButton->y(), 168);
        QCOMPARE(form->height(), 261);
        QCOMPARE(form->windowTitle(), QString("CAMBIO LINGUA / CHANGE LANGUAGE"));
    }

    void showingChecksTheStoredLanguage_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("checked");
        QTest::newRow("italian") << true << "0"
                                 << "ItaRB";
        QTest::newRow("english") << true << "1"
                                 << "EngRB";
        QTest::newRow("only the first byte counts") << true << "1\r\n0"
                                                    << "EngRB";
        QTest::newRow("local") << true << "2"
                               << "LocRB";
        QTest::newRow("unknown code") << true << "7"
                                      << "";
        QTest::newRow("missing file") << false << ""
                                      << "ItaRB";
    }
    void showingChecksTheStoredLanguage()
    {
        QFETCH(bool, present);
        QFETCH(QString, setting);
        QFETCH(QString, checked);
        if (present)
            progDir->WriteFile("data/language.dat", setting.toStdString());
        else
            std::filesystem::remove(progDir->File("data/language.dat"));
        auto form = ShownForm();
        for (QRadioButton* button : {form->ItaRB, form->EngRB, form->LocRB})
            QCOMPARE(button->isChecked(), button->objectName() == checked);
        const std::vector<std::string> expectedLog =
            present ? std::vector<std::string>{}
                    : std::vector<std::string>{"Errore nell'apertura del file della lingua selezionata."};
        QCOMPARE(recorder->ErrorLines(), expectedLog);
    }

    void choosingEnglishSwitchesEveryFile()
    {
        auto form = ShownForm();
        ChooseEnglish(*form);
        QCOMPARE(progDir->ReadFile("data/language.dat"), std::string("1"));
        QCOMPARE(progDir->ReadFile("msg/cad.msg"), EnglishMessages);
        QCOMPARE(progDir->ReadFile("help/help.pdf"), std::string("english guide"));
        QCOMPARE(MsgText(77), std::string("Change language..."));
        QCOMPARE(textsApplied, 1);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(recorder->Count(), std::size_t(0));
    }

    void noLanguageCheckedStoresItalian()
    {
        progDir->WriteFile("data/language.dat", "7");
        progDir->WriteFile("msg/cad.msg", EnglishMessages);
        auto form = ShownForm();
        QTest::mouseClick(form->SaveButton, Qt::LeftButton);
        QCOMPARE(progDir->ReadFile("data/language.dat"), std::string("0"));
        QCOMPARE(progDir->ReadFile("msg/cad.msg"), ItalianMessages);
    }

    void missingMessageFileGivesMsg004ThenCl001AndKeepsTheTexts()
    {
        std::filesystem::remove(progDir->File("msg/eng/cad.eng"));
        std::filesystem::remove(progDir->File("help/eng/help_eng.pdf"));
        auto form = ShownForm();
        ChooseEnglish(*form);
        const std::vector<std::string> texts = recorder->Texts();
        QCOMPARE(texts.size(), std::size_t(2));
        QVERIFY(texts[0].rfind("MSG004: errore nella copia file di messaggi, codice di errore ", 0) == 0);
        QVERIFY(texts[1].rfind("CL001: errore nella copia file di help, codice di errore ", 0) == 0);
        for (const std::string& text : texts)
            QVERIFY(text.substr(text.rfind(' ') + 1) != "0");
        QCOMPARE(recorder->Messages()[1].title, std::string("ERRORE"));
        QCOMPARE(recorder->Messages()[1].style, 8208);
        QCOMPARE(progDir->ReadFile("msg/cad.msg"), ItalianMessages);
        QCOMPARE(progDir->ReadFile("help/help.pdf"), std::string("guida italiana"));
        QCOMPARE(MsgText(77), std::string("Cambio lingua..."));
        // The steps after a failed one still run: the choice is stored and the windows re-read their texts.
        QCOMPARE(progDir->ReadFile("data/language.dat"), std::string("1"));
        QCOMPARE(textsApplied, 1);
    }

    void missingHelpFileGivesCl001AndStillSwitchesTheMessages()
    {
        std::filesystem::remove(progDir->File("help/eng/help_eng.pdf"));
        auto form = ShownForm();
        ChooseEnglish(*form);
        QCOMPARE(recorder->Count(), std::size_t(1));
        QVERIFY(recorder->Texts()[0].rfind("CL001: ", 0) == 0);
        QCOMPARE(progDir->ReadFile("help/help.pdf"), std::string("guida italiana"));
        QCOMPARE(MsgText(77), std::string("Change language..."));
    }

    void settingThatCannotBeWrittenStillSwitchesTheFiles()
    {
        std::filesystem::remove(progDir->File("data/language.dat"));
        std::filesystem::create_directory(progDir->File("data/language.dat"));
        auto form = ShownForm();
        ChooseEnglish(*form);
        QCOMPARE(progDir->ReadFile("msg/cad.msg"), EnglishMessages);
        QCOMPARE(progDir->ReadFile("help/help.pdf"), std::string("english guide"));
        QVERIFY(!recorder->ErrorLines().empty());
    }

    void cancelChangesNoFile()
    {
        auto form = ShownForm();
        Check(form->EngRB);
        QTest::mouseClick(form->CancelButton, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QCOMPARE(progDir->ReadFile("data/language.dat"), std::string("0"));
        QCOMPARE(progDir->ReadFile("msg/cad.msg"), ItalianMessages);
        QCOMPARE(progDir->ReadFile("help/help.pdf"), std::string("guida italiana"));
        QCOMPARE(textsApplied, 0);
    }

    // The main window's "Cambio lingua..." runs the dialog modally; choosing English there re-texts its menus.
    void mainWindowCommandReTextsTheMenus()
    {
        auto mainForm = std::make_unique<TMainForm>();
        mainForm->show();
        QCOMPARE(mainForm->Action("ImportDxf")->text(), QString("Importa &dxf"));
        bool dialogSeen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TCambioLinguaForm*>(QApplication::activeModalWidget());
            dialogSeen = dialog != nullptr;
            if (dialog)
                ChooseEnglish(*dialog);
        });
        mainForm->UpdateCommands();
        QVERIFY(mainForm->Action("Cambiolingua1")->isEnabled());
        mainForm->Action("Cambiolingua1")->trigger();
        QVERIFY(dialogSeen);
        QCOMPARE(mainForm->Action("ImportDxf")->text(), QString("Import &DXF"));
        QCOMPARE(mainForm->findChild<QMenu*>("StrumentiMenu")->title(), QString("&Tools"));
        mainForm.reset();
    }
};

QTEST_MAIN(TestCambioLinguaForm)
#include "test_cambiolingua_form.moc"
