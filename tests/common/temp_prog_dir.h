// TempProgDir: a fresh temporary program folder (with its data/ subfolder) that ProgDir points at for the
// lifetime of a test; removed, and ProgDir restored, on destruction.
#pragma once

#include <string>

class TempProgDir {
public:
    TempProgDir();
    ~TempProgDir();
    TempProgDir(const TempProgDir&) = delete;
    TempProgDir& operator=(const TempProgDir&) = delete;

    // The program folder, without trailing '/'.
    const std::string& Path() const { return path; }

    // Path() + "/" + relative.
    std::string File(const std::string& relative) const;

    // Writes contents (bytes as given) to the file at Path()/relative, creating its folders; returns its path.
    std::string WriteFile(const std::string& relative, const std::string& contents) const;

    // The bytes of the file at Path()/relative (empty when it cannot be read).
    std::string ReadFile(const std::string& relative) const;

private:
    std::string path;
    std::string previousProgDir;
};
