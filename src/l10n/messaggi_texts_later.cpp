// The built-in Italian texts of the catalogue entries from 312 on, each with its number. Every entry here has its
// line in the Italian and the English message files too.
#include "l10n/messaggi_texts.h"

const std::vector<NumberedText> LaterMessageTexts = {
    // Undo and redo, the recent files and the recovered drawings.
    {330, "Annulla"},
    {331, "Ripeti"},
    {332, "Annulla l'ultima modifica del disegno"},
    {333, "Ripete la modifica annullata"},
    {334, "File recenti"},
    {335, "Disegni recuperati"},
    {336, "Elimina i disegni recuperati"},
    {337, "Eliminare tutti i disegni recuperati?"},
    {338, "FRC001: il file non esiste più ed è stato tolto dai file recenti"},
    // The path optimisation dialog: whether the automatic order may run open paths the other way.
    {350, "Inverti i percorsi aperti"},
    {351,
     "L'ottimizzazione automatica può percorrere i percorsi aperti nel verso opposto, se così il tragitto fra i "
     "percorsi è più breve"},
};
