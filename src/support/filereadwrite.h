// FileReadWrite: a line-oriented text file, opened for reading or for writing. Reads go through a large buffer
// (DXF files of tens of megabytes are read with it, stepping back with GetPosition/SeekTo, and jumping to a
// block and back for each insert of it); every failure is written to ErrorLog and shown as an error message,
// and nothing is thrown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class FileReadWrite {
public:
    // A line longer than this (line end included) is read to its end, but only its first MaxLineLength bytes
    // are returned, without line-end removal. The program's own files stay far below it.
    static constexpr std::size_t MaxLineLength = 1 << 20;

    // Opens fileName: forReading true opens an existing file read-only; false creates the file or empties it.
    // On failure shows "FRW001: errore nell'apertura del file: %s" and sets openFailed; the object stays usable
    // and its reads and writes then succeed without effect.
    FileReadWrite(const std::string& fileName, bool forReading);
    ~FileReadWrite();
    FileReadWrite(const FileReadWrite&) = delete;
    FileReadWrite& operator=(const FileReadWrite&) = delete;

    bool openFailed;

    // Closes the file; later reads and writes do nothing. Returns false, after showing FRW003, when the system
    // reports that written data could not be stored; true otherwise (also when nothing was open).
    bool Close();

    // Writes text followed by CR LF. Returns true on success and when there is no file; on a write failure
    // shows "FRW003: errore nella scrittura del file: %s" and returns false.
    bool WriteLine(const std::string& text);

    // Reads the next line into line: bytes up to and including LF, or up to the end of the file. When the end
    // of the file was met the text comes back as read, and *atEnd is true (an empty line at the very end).
    // Otherwise the last character is removed if CR or LF, then once more if CR or LF, and *atEnd is false.
    // Returns true on success and when there is no file (line and atEnd untouched); on a read failure shows
    // "FRW002: errore nella lettura del file: %s" and returns false.
    bool ReadLine(std::string& line, bool* atEnd = nullptr);

    // The current byte offset from the start of the file (0 when there is no file).
    int64_t GetPosition();

    // Moves to a byte offset from the start of the file (a negative offset counts as 0).
    void SeekTo(int64_t offset);

private:
    // Reads while moving forward fill the whole buffer. A seek to bytes that no window holds reads only a small
    // block at first (a DXF block is usually short), and each read after it doubles, up to the whole buffer.
    static constexpr std::size_t BufferSize = 1 << 16;
    static constexpr std::size_t SeekReadSize = 1 << 12;

    // Consecutive bytes of the file held in memory.
    struct Window {
        std::vector<char> bytes;            // BufferSize once used
        std::size_t end = 0;                // end of the valid bytes
        int64_t offset = 0;                 // file offset of bytes[0]
        std::size_t readSize = BufferSize;  // bytes its next fill asks for

        bool Holds(int64_t position) const
        {
            return !bytes.empty() && position >= offset && position <= offset + static_cast<int64_t>(end);
        }
    };

    bool FillBuffer();
    void Fail(const char* format);

    std::string fileName;
    int fd = -1;
    bool reading;
    // The window being read and the one left by the last seek, so that jumping somewhere and back (or to the
    // same place again) finds its bytes still in memory.
    Window current, spare;
    std::size_t bufferStart = 0;  // next unread byte in current
};
