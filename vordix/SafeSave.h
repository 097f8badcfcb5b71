#pragma once
// The one way the program writes a file it keeps: the content goes to a new
// temporary file beside the target, is flushed and synced to the disk, is
// renamed over the target, and the folder is synced so that the new name is
// on the disk too. A crash, a kill or a full disk at any moment leaves the
// old file or the new one, never a mix of both or a shortened file.
// Score sheets, the running game, high scores, profiles, reports, PDF files,
// tables and the installer's files all go through here.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>

namespace vordix {

enum class SaveResult {
    Ok,
    NotCreated, // no temporary file could be made in the target's folder
    NotWritten, // writing, syncing or renaming failed; the old file is as it was
};

struct SaveOutcome {
    SaveResult result = SaveResult::Ok;
    int error = 0; // errno of the step that failed; 0 when the writer itself said no
    explicit operator bool() const { return result == SaveResult::Ok; }
};

struct SaveOptions {
    unsigned mode = 0644;         // permissions of a new file
    bool keepExistingMode = true; // a file that is replaced keeps its permissions
};

// Writes the content. A symbolic link as target stays: the file it names is
// replaced.
SaveOutcome saveFile(const std::filesystem::path& target, std::string_view content, const SaveOptions& options = {});

// The content written by a writer into the open temporary file; the writer
// returns false when it could not write everything.
using StreamWriter = std::function<bool(std::FILE*)>;
SaveOutcome saveFile(const std::filesystem::path& target, const StreamWriter& write, const SaveOptions& options = {});

// For libraries that write to a path of their own (PDF, zip): the writer is
// given the temporary file's path and writes the whole file there. An
// exception from the writer removes the temporary file and passes on.
using PathWriter = std::function<bool(const std::filesystem::path& temporary)>;
SaveOutcome saveFileByPath(const std::filesystem::path& target, const PathWriter& write,
                           const SaveOptions& options = {});

// The steps of a save, in order. Tests stop a save at each of them (the
// process is killed there) to see that the target survives.
enum class SaveStep {
    TemporaryCreated,
    PartlyWritten, // half of a byte content is in the temporary file
    Written,
    Synced,
    Replaced, // the temporary file has the target's name
    FolderSynced,
};
using SaveStepHook = void (*)(SaveStep);
// Installs a hook called at every step (nullptr: none); returns the old one.
SaveStepHook setSaveStepHook(SaveStepHook hook);

} // namespace vordix
