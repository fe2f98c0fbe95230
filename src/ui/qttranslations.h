// Qt's own texts (standard buttons, file dialogs, their questions) in the operator's language, from the
// translations that the system's Qt ships.
#pragma once

// The language code of the language setting file; Italian when there is no such file yet (no fault at start-up).
int StoredLanguage();

// Installs Qt's translations for a language code, replacing those installed before; English, Qt's own language,
// needs none. Without the system's translation file Qt's texts stay English. Returns whether a translation is
// installed. In every language the main window's title names a maximised drawing first, then the program.
bool ApplyQtTranslations(int languageCode);
