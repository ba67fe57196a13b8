// Reading and writing whole files on a POSIX system: bytes from a file into memory, and
// the one write step that puts bytes from memory into a file without ever leaving less
// than there was. It knows nothing of what the bytes mean; failures come back as the
// system's error numbers, for the caller to put into words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <sys/types.h>

// Stands for a transfer that stopped early: fewer bytes than asked for could be read,
// or only part of the data could be written. No errno value is negative.
constexpr int ShortTransfer = -1;

// The outcome of a file step: 0, an errno value or ShortTransfer, and the path the
// error is about (for a link, the file it points to).
struct FileResult {
    int error = 0;
    std::string path;
};

// The folder part of a path: "." for a bare name, "/" for a name in the root.
std::string ParentFolder(const std::string& path);
bool FolderExists(const std::string& path);
// True when `path`, links followed, names something that is not a folder. A dangling
// link or a link loop names nothing.
bool FileExists(const std::string& path);

// Reads exactly `size` bytes from the start of the file; a longer file is read from
// its first bytes, a shorter one gives ShortTransfer.
FileResult ReadFileBytes(const std::string& path, std::uint8_t* buffer, std::size_t size);

// Where a write failed: before the file could be created, or while it was written.
enum class WriteStage { Create, Write };

// The one write step: `size` bytes become the whole content of the file at `path`.
// - A regular file is replaced through a temporary file (unnamed where the file system
//   allows it) that gets the name only when complete and synced; the folder is synced
//   after. The replaced file keeps its mode, owner and group.
// - A file with several names, one in a folder that cannot take a new file, or one
//   whose owner or group a new file of ours could not be given, is overwritten in
//   place without truncating first, then cut to size and synced; a failure puts the
//   old bytes back where they could be read.
// - Through a symbolic link the file it points to is written (created when missing);
//   a link loop is an error. A device or pipe is written in place without waiting.
// On failure the target holds what it held before and no temporary file is left.
// `failedAt`, when given, tells which stage failed.
FileResult WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size,
                          WriteStage* failedAt = nullptr);

// The system calls of the write step, in one table so that tests can make each one
// fail on demand. Every entry starts as the real call.
struct WriteStepCalls {
    // The temporary file, unnamed (O_TMPFILE) or named.
    int (*openTemporary)(int folder, const char* name, int flags, mode_t mode);
    // The target itself, for a write in place.
    int (*openTarget)(const char* path, int flags);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    // fsync of the file and of its folder.
    int (*sync)(int fd);
    int (*truncate)(int fd, off_t size);
    int (*close)(int fd);
    // Naming the complete file: linkat for an unnamed one, renameat over the target.
    int (*link)(int fromFolder, const char* from, int toFolder, const char* to, int flags);
    int (*rename)(int fromFolder, const char* from, int toFolder, const char* to);
};
extern WriteStepCalls WriteStepSystem;
// Puts the real calls back.
void ResetWriteStepCalls();
