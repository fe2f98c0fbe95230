// The export dialog's filters and the paper they choose.
#include "ui/exportchoice.h"

#include "l10n/messaggi.h"

namespace {

std::string A3Filter()
{
    return MsgTextOr(370, "Documento PDF, pagina A3") + " (*.pdf)";
}

}  // namespace

std::string ExportFilters()
{
    return "File bitmap (*.bmp);;" + MsgTextOr(367, "Immagine PNG") + " (*.png);;" +
           MsgTextOr(368, "Disegno vettoriale SVG") + " (*.svg);;" + MsgTextOr(369, "Documento PDF, pagina A4") +
           " (*.pdf);;" + A3Filter();
}

PaperSize PaperOfFilter(const std::string& filter)
{
    return filter == A3Filter() ? PaperSize::A3 : PaperSize::A4;
}
