// Qt's own translations for the chosen language, and the stored language at start-up.
#include "ui/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <filesystem>
#include <memory>

#include "l10n/cambiolingua.h"
#include "l10n/messaggi.h"

namespace {

std::unique_ptr<QTranslator>& InstalledTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The main window's title while a drawing window is maximised: the drawing's name, then the program's
// ("disegno.dis — QUORVIA"). Qt's own "QUORVIA - [disegno.dis]" does not end with the program's name, so the
// platform would add it a second time.
class MaximisedTitleTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "QMdiSubWindow") == 0 && qstrcmp(sourceText, "%1 - [%2]") == 0)
            return QStringLiteral("%2 \u2014 %1");
        return {};
    }
    bool isEmpty() const override { return false; }
};

// Installed after the language's translations, so that it is asked first.
void InstallMaximisedTitle()
{
    static MaximisedTitleTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::installTranslator(&translator);
}

}  // namespace

int StoredLanguage()
{
    std::error_code error;
    return std::filesystem::exists(LanguageSettingPath(), error) ? ReadLanguageSetting() : LanguageItalian;
}

bool ApplyQtTranslations(int languageCode)
{
    std::unique_ptr<QTranslator>& installed = InstalledTranslator();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (languageCode == LanguageItalian) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator.get());
            installed = std::move(translator);
        }
    }
    InstallMaximisedTitle();
    return installed != nullptr;
}
