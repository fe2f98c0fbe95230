// The order overlay's switches in their one-line data file.
#include "ui/overlaysettings.h"

#include <string>

#include "support/filereadwritedata.h"

namespace {

const char* const FileName = "overlay.dat";

}  // namespace

OrderOverlay StoredOrderOverlay()
{
    std::string line;
    if (!ReadDataFile(FileName, line) || line.size() != 3 || line[1] != ' ')
        return {};
    auto on = [](char c) { return c == '1'; };
    auto valid = [](char c) { return c == '0' || c == '1'; };
    if (!valid(line[0]) || !valid(line[2]))
        return {};
    return {on(line[0]), on(line[2])};
}

bool StoreOrderOverlay(const OrderOverlay& overlay)
{
    return WriteDataFile(FileName, std::string(overlay.order ? "1" : "0") + " " + (overlay.rapids ? "1" : "0"));
}
