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
    if (languageCode != LanguageItalian)
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}
