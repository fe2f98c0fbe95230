// FileReadWrite on a POSIX file descriptor: buffered line reads with positioning, unbuffered line writes,
// each failure reported to ErrorLog and the operator.
#include "support/filereadwrite.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "support/mymessagebox.h"
#include "support/text.h"

FileReadWrite::FileReadWrite(const std::string& fileName, bool forReading)
    : openFailed(false), fileName(fileName)
{
    int flags = forReading ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC;
    do
        fd = ::open(fileName.c_str(), flags | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        openFailed = true;
        Fail("FRW001: errore nell'apertura del file: %s");
    }
}

FileReadWrite::~FileReadWrite() { Close(); }

void FileReadWrite::Fail(const char* format) { ShowError(StrFormat(format, fileName.c_str())); }

bool FileReadWrite::Close()
{
    if (fd < 0)
        return true;
    // The descriptor is released even when close reports an error, so it is never closed twice.
    int result = ::close(fd);
    fd = -1;
    buffer.clear();
    bufferStart = bufferEnd = 0;
    if (result != 0 && errno != EINTR) {
        Fail("FRW003: errore nella scrittura del file: %s");
        return false;
    }
    return true;
}

bool FileReadWrite::WriteLine(const std::string& text)
{
    if (fd < 0)
        return true;
    std::string line = text + "\r\n";
    std::size_t written = 0;
    while (written < line.size()) {
        ssize_t n = ::write(fd, line.data() + written, line.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            Fail("FRW003: errore nella scrittura del file: %s");
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads the next block of the file into the buffer. Returns false on a read error; at the end of the file
// the buffer is left empty.
bool FileReadWrite::FillBuffer()
{
    if (buffer.empty())
        buffer.resize(BufferSize);
    bufferOffset += static_cast<int64_t>(bufferEnd);
    bufferStart = bufferEnd = 0;
    ssize_t n;
    do
        n = ::read(fd, buffer.data(), buffer.size());
    while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    bufferEnd = static_cast<std::size_t>(n);
    return true;
}

bool FileReadWrite::ReadLine(std::string& line, bool* atEnd)
{
    if (fd < 0)
        return true;
    std::string text;
    bool cut = false;
    bool endOfFile = false;
    for (;;) {
        if (bufferStart == bufferEnd) {
            if (!FillBuffer()) {
                line = text;
                if (atEnd)
                    *atEnd = false;
                Fail("FRW002: errore nella lettura del file: %s");
                return false;
            }
            if (bufferEnd == 0) {
                endOfFile = true;
                break;
            }
        }
        const char* start = buffer.data() + bufferStart;
        std::size_t available = bufferEnd - bufferStart;
        const char* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        std::size_t taken = lineFeed ? static_cast<std::size_t>(lineFeed - start) + 1 : available;
        std::size_t room = MaxLineLength - text.size();
        text.append(start, taken < room ? taken : room);
        cut = cut || taken > room;
        bufferStart += taken;
        if (lineFeed)
            break;
    }
    if (!endOfFile && !cut) {
        for (int k = 0; k < 2; ++k)
            if (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
                text.pop_back();
    }
    line = std::move(text);
    if (atEnd)
        *atEnd = endOfFile;
    return true;
}

int64_t FileReadWrite::GetPosition()
{
    if (fd < 0)
        return 0;
    if (!buffer.empty())
        return bufferOffset + static_cast<int64_t>(bufferStart);
    off_t position = ::lseek(fd, 0, SEEK_CUR);
    return position < 0 ? 0 : static_cast<int64_t>(position);
}

void FileReadWrite::SeekTo(int64_t offset)
{
    if (fd < 0)
        return;
    if (offset < 0)
        offset = 0;
    if (!buffer.empty() && offset >= bufferOffset && offset <= bufferOffset + static_cast<int64_t>(bufferEnd)) {
        bufferStart = static_cast<std::size_t>(offset - bufferOffset);
        return;
    }
    ::lseek(fd, static_cast<off_t>(offset), SEEK_SET);
    bufferOffset = offset;
    bufferStart = bufferEnd = 0;
}
