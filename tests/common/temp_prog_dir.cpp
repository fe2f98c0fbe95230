// TempProgDir: a temporary program folder for tests, pointed at by ProgDir while it lives.
#include "common/temp_prog_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "support/progdir.h"

namespace fs = std::filesystem;

TempProgDir::TempProgDir() : previousProgDir(ProgDir)
{
    std::string templ = (fs::temp_directory_path() / "quorvia-test-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        throw std::runtime_error("cannot create a temporary program folder");
    path = templ;
    fs::create_directory(fs::path(path) / "data");
    SetProgDir(path);
}

TempProgDir::~TempProgDir()
{
    SetProgDir(previousProgDir);
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

std::string TempProgDir::File(const std::string& relative) const
{
    return path + "/" + relative;
}

std::string TempProgDir::WriteFile(const std::string& relative, const std::string& contents) const
{
    fs::path file = File(relative);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
    return file.string();
}

std::string TempProgDir::ReadFile(const std::string& relative) const
{
    std::ifstream in(File(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
