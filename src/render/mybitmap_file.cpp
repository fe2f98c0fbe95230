// MyBitmap's BMP writer: a 24-bit uncompressed Windows bitmap, rows stored bottom-up (buffer row 0 first) and
// padded to a multiple of 4 bytes.
#include <cstdio>
#include <vector>

#include "render/mybitmap.h"
#include "support/filereplace.h"
#include "support/log.h"
#include "support/mymessagebox.h"
#include "support/text.h"

namespace {

void PutInt32(std::vector<char>& out, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF));
}

void PutInt16(std::vector<char>& out, int16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

// The 54 bytes of the file header and the information header.
std::vector<char> BmpHeaders(int width, int height, int paddedRow)
{
    std::vector<char> h{'B', 'M'};
    PutInt32(h, paddedRow * height + 54);  // file size
    PutInt32(h, 0);
    PutInt32(h, 54);  // offset of the pixels
    PutInt32(h, 40);  // size of the information header
    PutInt32(h, width);
    PutInt32(h, height);  // positive: rows stored bottom-up
    PutInt16(h, 1);       // planes
    PutInt16(h, 24);      // bits per pixel
    for (int i = 0; i < 6; ++i)
        PutInt32(h, 0);  // compression, image size, resolution, colours
    return h;
}

}  // namespace

// The new file replaces an existing one only when it was written whole, so a failed export never costs the
// previous bitmap, and a name that is not a regular file (a folder, a device) is refused, never deleted.
bool MyBitmap::WriteBmp(const std::string& fileName)
{
    WriteEventLog(StrFormat("Inizio creazione bitmap %s", fileName.c_str()));
    if (allocationFailed ||
        ReplaceFile(fileName, [this](std::FILE* file) { return WriteFile(file); }) != ReplaceResult::Done) {
        ShowError("BMP001: errore nella scrittura della bitmap.");
        return false;
    }
    WriteEventLog(StrFormat("Creata bitmap %s", fileName.c_str()));
    return true;
}

bool MyBitmap::WriteFile(std::FILE* file) const
{
    int rowBytes = width * 3;
    int padding = rowBytes % 4 == 0 ? 0 : 4 - rowBytes % 4;
    std::vector<char> headers = BmpHeaders(width, height, rowBytes + padding);
    bool written = std::fwrite(headers.data(), 1, headers.size(), file) == headers.size();
    std::vector<char> row(static_cast<size_t>(rowBytes + padding), 0);
    for (int y = 0; y < height && written; ++y) {
        const uint8_t* source = rowTable[y];
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(source[3 * x + 2]);
            row[3 * x + 1] = static_cast<char>(source[3 * x + 1]);
            row[3 * x + 2] = static_cast<char>(source[3 * x]);
        }
        written = std::fwrite(row.data(), 1, row.size(), file) == row.size();
    }
    return written;
}
