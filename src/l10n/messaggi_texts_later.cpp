// The built-in Italian texts of the catalogue entries from 312 on, each with its number. Every entry here has its
// line in the Italian and the English message files too.
#include "l10n/messaggi_texts.h"

const std::vector<NumberedText> LaterMessageTexts = {
    // The path optimisation dialog: whether the automatic order may run open paths the other way.
    {350, "Inverti i percorsi aperti"},
    {351,
     "L'ottimizzazione automatica può percorrere i percorsi aperti nel verso opposto, se così il tragitto fra i "
     "percorsi è più breve"},
};
