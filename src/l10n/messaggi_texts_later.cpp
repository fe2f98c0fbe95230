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
    // The path optimisation dialog: whether the automatic order may run open paths the other way.
    {350, "Inverti i percorsi aperti"},
    {351,
     "L'ottimizzazione automatica può percorrere i percorsi aperti nel verso opposto, se così il tragitto fra i "
     "percorsi è più breve"},
    // The machining order overlay, the zoom window, the status bar and the exports.
    {355, "Ordine di lavorazione"},
    {356, "Mostra numero, inizio e verso di ogni percorso"},
    {357, "Spostamenti rapidi"},
    {358, "Mostra gli spostamenti rapidi tra un percorso e il successivo"},
    {359, "Zoom finestra"},
    {360, "Ingrandisce il rettangolo trascinato sul disegno"},
    {361, "primo punto"},
    {362, "secondo punto"},
    {363, "terzo punto"},
    {364, "trascinare il rettangolo da ingrandire"},
    {365, "Percorso"},
    {366, "Esporta disegno"},
    {367, "Immagine PNG"},
    {368, "Disegno vettoriale SVG"},
    {369, "Documento PDF, pagina A4"},
    {370, "Documento PDF, pagina A3"},
    {371, "EXP001: errore nella scrittura del file"},
    {372, "Tempo"},
    // The path optimisation dialog: the continuous paths.
    {380, "Percorso continuo"},
    {381,
     "Fa di ogni parte collegata del disegno un percorso unico: dove serve ripassa un breve tratto già cucito invece "
     "di tagliare il filo"},
    {382, "Ponti (mm):"},
    {383,
     "Unisce con una linea retta le parti distanti al massimo questo valore: i ponti aggiungono punti visibili. 0: "
     "nessun ponte"},
    {384, "Tempo stimato prima:"},
    {385, "Tempo stimato dopo:"},
    {386, "PC001: lunghezza dei ponti non ammessa, deve essere un numero non negativo."},
    {387,
     "PC002: il disegno non cambia: ogni parte è già un percorso unico, o il percorso continuo non sarebbe più "
     "veloce."},
    {388,
     "PC003: il disegno non cambia: le entità sono troppo fitte le une sulle altre per la distanza di unione; ridurre "
     "la distanza di unione."},
    // The command line of the application and its program folder.
    {390, "Prepara i disegni di lavorazione: importa i file DXF e apre i disegni (.dis) indicati."},
    {391, "Uso: quorvia [opzioni] [file...]"},
    {392, "Mostra questo aiuto ed esce"},
    {393, "Mostra la versione ed esce"},
    {394, "PD003: impossibile preparare la cartella del programma"},
};
