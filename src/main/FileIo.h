// The file step shared by every file command: a record read whole into a caller's
// buffer, one write step that puts bytes from memory into a file without ever leaving
// less than there was, and the failure codes with their messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <sys/types.h>

// An operating-system error number as errno holds it. A type of its own because its
// numbers overlap the message table's codes (EIO is 5, the table's 5 is "access
// denied"); IoCodeFromErrno is the only way from one to the other.
enum class SystemError : int {};

// What the message table knows about a failure.
enum class IoKind {
    Ok,
    FileNotFound,     // 2
    BadFileName,      // 3
    TooManyOpenFiles, // 4
    AccessDenied,     // 5
    ShortRead,        // 100
    ShortWrite,       // 101, disk full
    BadContent,       // read whole, but not a valid record
    OtherSystemError, // shown as "I/O エラー (n)" with the system's number
};

// The outcome of a file step: a kind of the table and, for OtherSystemError, the
// system's number to show.
struct IoCode {
    IoKind kind = IoKind::Ok;
    int systemError = 0;

    constexpr bool operator==(const IoCode& o) const
    {
        return kind == o.kind && systemError == o.systemError;
    }
    constexpr bool operator!=(const IoCode& o) const { return !(*this == o); }
};

constexpr IoCode IoOk{IoKind::Ok};
constexpr IoCode IoFileNotFound{IoKind::FileNotFound};
constexpr IoCode IoBadFileName{IoKind::BadFileName};
constexpr IoCode IoTooManyOpenFiles{IoKind::TooManyOpenFiles};
constexpr IoCode IoAccessDenied{IoKind::AccessDenied};
constexpr IoCode IoShortRead{IoKind::ShortRead};
constexpr IoCode IoShortWrite{IoKind::ShortWrite};
constexpr IoCode IoBadContent{IoKind::BadContent};
constexpr IoCode IoOtherError(int systemError)
{
    return {IoKind::OtherSystemError, systemError};
}

// The message table's code for an errno value. `path` decides ENOENT: a missing file
// is 2, a missing folder on the way to it is 3.
IoCode IoCodeFromErrno(SystemError error, const std::string& path = std::string());
// The message for a code, without the error box's period.
std::string IoErrorMessage(IoCode code);

// True when `path`, links followed, names something that is not a folder. A dangling
// link or a link loop names nothing.
bool FileExists(const std::string& path);

// Reads exactly `size` bytes from the start of the file; a longer file is read from
// its first bytes, a shorter one gives IoShortRead.
IoCode ReadFileExact(const std::string& path, std::uint8_t* buffer, std::size_t size);

// Where a write failed: before the file could be created, or while it was written.
enum class WriteStage { Create, Write };

// The one write step: `size` bytes become the whole content of the file at `path`.
// - A regular file is replaced through a temporary file (unnamed where the file system
//   allows it) that gets the name only when complete and synced; the folder is synced
//   after. The replaced file keeps its mode, and its owner and group where allowed.
// - A file with several names, or one in a folder that cannot take a new file, is
//   overwritten in place without truncating first, then cut to size and synced; a
//   failure puts the old bytes back where they could be read.
// - Through a symbolic link the file it points to is written (created when missing);
//   a link loop is an error. A device or pipe is written in place without waiting.
// On failure the target holds what it held before and no temporary file is left.
// `failedAt`, when given, tells which stage failed.
IoCode WriteWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size,
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
