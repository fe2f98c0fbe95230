// Replacing a file without risking the previous one: the new content goes to a temporary file beside the target,
// which takes the target's place only when every byte was written, so a failure leaves the old file as it was.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

enum class ReplaceResult {
    Done,          // the file at the path holds the new content
    CreateFailed,  // nothing could be created there: missing or read-only folder, a target that is not a file
    WriteFailed,   // writing, storing or renaming failed; the temporary file is removed
};

// Replaces (or creates) the file at path with what write puts into the stream it is handed (opened for binary
// writing); write returns false when it could not produce the content. A symbolic link is followed, so the file
// it points at is replaced and the link kept; an existing target that is not a regular file (a folder, a device)
// is refused. The new file keeps the permissions of the one it replaces.
ReplaceResult ReplaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write);

// The same with the bytes of the new file.
ReplaceResult ReplaceFile(const std::string& path, const std::string& bytes);
