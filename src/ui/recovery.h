// Recovery copies: the state of a drawing with changes that no file holds, written when its window closes and
// every minute while it has such changes, so that neither closing a window nor a crash loses work. A copy is an
// ordinary drawing file named after the drawing, alone in a folder of its own under data/recovery/ of the program
// folder (so copies of drawings of the same name never meet); the file's time is the time of the copy.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Drw;

struct RecoveryCopy {
    std::string path;  // the drawing file
    std::string name;  // the drawing's name: its file name without folder and extension
    int64_t time = 0;  // when it was written, in seconds since 1970 (UTC)
};

// Copies kept at start: the newest ones, none older than the age limit.
constexpr int MaxRecoveryCopies = 20;
constexpr int64_t RecoveryCopyMaxAge = 30 * 24 * 3600;  // seconds

// ProgDir/data/recovery, without a trailing '/'.
std::string RecoveryFolder();
// Whether path names a recovery copy: a file in a folder of the recovery folder.
bool IsRecoveryCopy(const std::string& path);
// A path for a new copy of the drawing called name, in a folder of its own that no other copy uses.
std::string NewRecoveryCopyPath(const std::string& name);
// Writes drawing at path (its folder created when missing) through the drawing's own save, which replaces the file
// only once the whole drawing is written. drawing.modified stays as it was. False when the save failed (it has
// shown its message).
bool WriteRecoveryCopy(Drw& drawing, const std::string& path);
// Removes the copy at path together with its folder; a missing copy is no error.
void RemoveRecoveryCopy(const std::string& path);
// Every copy, newest first.
std::vector<RecoveryCopy> RecoveryCopies();
// Removes the copies beyond the newest MaxRecoveryCopies, those older than RecoveryCopyMaxAge at now (seconds
// since 1970) and folders left without a copy.
void PruneRecoveryCopies(int64_t now);
