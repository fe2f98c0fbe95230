// The built-in Italian texts of the catalogue entries from 312 on, each with its number. Every entry here has its
// line in the Italian and the English message files too.
#include "l10n/messaggi_texts.h"

const std::vector<NumberedText> LaterMessageTexts = {};
