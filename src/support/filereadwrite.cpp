// FileReadWrite on a POSIX file descriptor: buffered line reads with positioning, unbuffered line writes,
// each failure reported to ErrorLog and the operator.
#include "support/filereadwrite.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "support/mymessagebox.h"
#include "support/text.h"

FileReadWrite::FileReadWrite(const std::string& fileName, bool forReading)
    : openFailed(false), fileName(fileName), reading(forReading)
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

FileReadWrite::~FileReadWrite()
{
    Close();
}

void FileReadWrite::Fail(const char* format)
{
    ShowError(StrFormat(format, fileName.c_str()));
}

bool FileReadWrite::Close()
{
    if (fd < 0)
        return true;
    // The descriptor is released even when close reports an error, so it is never closed twice.
    int result = ::close(fd);
    fd = -1;
    current = spare = Window();
    bufferStart = 0;
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

// Reads the next bytes of the file into the current window, after the ones it holds. Returns false on a read
// error; at the end of the file the window is left empty.
bool FileReadWrite::FillBuffer()
{
    if (current.bytes.empty())
        current.bytes.resize(BufferSize);
    current.offset += static_cast<int64_t>(current.end);
    bufferStart = current.end = 0;
    const std::size_t size = current.readSize;
    current.readSize = std::min(2 * size, BufferSize);
    ssize_t n;
    do {
        n = ::pread(fd, current.bytes.data(), size, static_cast<off_t>(current.offset));
        if (n < 0 && errno == ESPIPE)  // a pipe: only forward reads
            n = ::read(fd, current.bytes.data(), size);
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    current.end = static_cast<std::size_t>(n);
    return true;
}

bool FileReadWrite::ReadLine(std::string& line, bool* atEnd)
{
    if (fd < 0)
        return true;
    // The line is built in place, so that its capacity serves line after line.
    std::string& text = line;
    text.clear();
    bool endOfFile = false;
    for (;;) {
        if (bufferStart == current.end) {
            if (!FillBuffer()) {
                if (atEnd)
                    *atEnd = false;
                Fail("FRW002: errore nella lettura del file: %s");
                return false;
            }
            if (current.end == 0) {
                endOfFile = true;
                break;
            }
        }
        const char* start = current.bytes.data() + bufferStart;
        std::size_t available = current.end - bufferStart;
        const char* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        std::size_t taken = lineFeed ? static_cast<std::size_t>(lineFeed - start) + 1 : available;
        std::size_t room = MaxLineLength - text.size();
        bufferStart += taken;
        if (taken > room) {
            text.append(start, room);  // an over-long line: the rest is passed over, and nothing removed
        } else if (!lineFeed) {
            text.append(start, taken);
        } else {
            // The line ends here: its LF, and a CR before it, are left out (looked up in the buffer rather than
            // in the text just written).
            std::size_t length = taken - 1;
            if (length > 0 && start[length - 1] == '\r')
                --length;
            else if (length == 0 && !text.empty() && text.back() == '\r')
                text.pop_back();
            text.append(start, length);
        }
        if (lineFeed)
            break;
    }
    if (atEnd)
        *atEnd = endOfFile;
    return true;
}

int64_t FileReadWrite::GetPosition()
{
    if (fd < 0)
        return 0;
    if (reading)
        return current.offset + static_cast<int64_t>(bufferStart);
    off_t position = ::lseek(fd, 0, SEEK_CUR);
    return position < 0 ? 0 : static_cast<int64_t>(position);
}

void FileReadWrite::SeekTo(int64_t offset)
{
    if (fd < 0)
        return;
    if (offset < 0)
        offset = 0;
    if (!reading) {
        ::lseek(fd, static_cast<off_t>(offset), SEEK_SET);
        return;
    }
    if (!current.Holds(offset)) {
        // The window being left becomes the spare; a fresh one starts at offset unless the spare held it.
        std::swap(current, spare);
        if (!current.Holds(offset)) {
            current.offset = offset;
            current.end = 0;
            current.readSize = SeekReadSize;
        }
    }
    bufferStart = static_cast<std::size_t>(offset - current.offset);
}
