// The file step shared by every file command, in the message table's terms: the
// platform layer's read and write step with their failures mapped to the codes and
// messages the error box shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/WriteStep.h"

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

// Reads exactly `size` bytes from the start of the file; a longer file is read from
// its first bytes, a shorter one gives IoShortRead.
IoCode ReadFileExact(const std::string& path, std::uint8_t* buffer, std::size_t size);

// The platform's write step (see WriteFileBytes) with its failure as a code.
IoCode WriteWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size,
                      WriteStage* failedAt = nullptr);
