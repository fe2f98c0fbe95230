// Helpers shared by the fuzz targets: silent message boxes, the input as a file of its own, and a check that stops
// the run (so that libFuzzer keeps the input as a crash) when an invariant of the result fails.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "support/mymessagebox.h"

// Message boxes answer at once and print nothing: hostile inputs show many errors, and a run must not drown in
// them. Called once per process.
inline bool SilenceMessageBoxes()
{
    SetMessageBoxHandler([](const std::string&, const std::string&, int style) {
        return style == MsgStyleQuestion ? MsgResultNo : MsgResultOk;
    });
    return true;
}

// Stops the run with the failure's text when check failed.
inline void Require(const ::testing::AssertionResult& check, const char* what)
{
    if (!check) {
        std::fprintf(stderr, "invariant broken (%s): %s\n", what, check.message());
        std::abort();
    }
}

// Files of this process in the temporary folder, named by the targets; removed when the process ends.
class ScratchFiles {
public:
    ~ScratchFiles()
    {
        std::error_code ignored;
        for (const std::string& path : paths)
            std::filesystem::remove(path, ignored);
    }

    std::string Path(const std::string& name)
    {
        const std::string path =
            (std::filesystem::temp_directory_path() / ("quorvia-fuzz-" + std::to_string(getpid()) + "-" + name))
                .string();
        paths.insert(path);
        return path;
    }

private:
    std::set<std::string> paths;
};

inline std::string ScratchPath(const std::string& name)
{
    static ScratchFiles files;
    return files.Path(name);
}

// Writes the input to ScratchPath(name) and returns that path.
inline std::string InputFile(const uint8_t* data, size_t size, const std::string& name)
{
    const std::string path = ScratchPath(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}
