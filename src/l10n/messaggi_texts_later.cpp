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
};
