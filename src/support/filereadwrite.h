// FileReadWrite: a line-oriented text file, opened for reading or for writing. Reads go through a large buffer
// (DXF files of tens of megabytes are read with it, stepping back with GetPosition/SeekTo); every failure is
// written to ErrorLog and shown as an error message, and nothing is thrown.
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
    static constexpr std::size_t BufferSize = 1 << 16;

    bool FillBuffer();
    void Fail(const char* format);

    std::string fileName;
    int fd = -1;
    std::vector<char> buffer;    // bytes read ahead from the file
    std::size_t bufferStart = 0; // next unread byte in buffer
    std::size_t bufferEnd = 0;   // end of the valid bytes in buffer
    int64_t bufferOffset = 0;    // file offset of buffer[0]
};
