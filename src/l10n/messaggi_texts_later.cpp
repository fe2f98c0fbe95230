// The built-in Italian texts of the catalogue entries from 312 on, each with its number. Every entry here has its
// line in the Italian and the English message files too.
#include "l10n/messaggi_texts.h"

const std::vector<NumberedText> LaterMessageTexts = {
    {312, "Disegna"},
    {313, "Chiudi tutti"},
    {314, "Chiudi tutti i disegni"},
    {315, "Entità"},
    {316, "Linee"},
    {317, "Archi"},
    {318, "Percorsi"},
    {319, "Preparazione di disegni per macchine da cucire"},
    {320, "Disegni DXF, percorsi di lavorazione e simulazione"},
    {321, "VERSIONE PROGRAMMA"},
    {322, "Esporta immagine bitmap"},
    {323, "ED001: valore non ammesso, il disegno avrebbe coordinate fuori dai numeri rappresentabili."},
    {324, "ED002: valore non ammesso, le dimensioni del disegno devono essere maggiori di zero."},
    {325, "ED003: la copia non entra nel disegno. Entità da aggiungere / posti liberi:"},
    {326, "CH002: nessun programma disponibile per aprire il file di help"},
    {327, "Accelera la visualizzazione della sequenza"},
    {328, "Entità più vicine di questo valore verranno unite"},
    {329, "SELEZIONA FILE .DXF"},
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
};
