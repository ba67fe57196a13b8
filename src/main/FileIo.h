// The file step shared by every file command: a record read whole into a caller's
// buffer, a record written so that it replaces an existing file only when complete,
// and the failure codes with their messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Failure codes. 0 is success; 2 to 5 and unlisted values are the operating
// system's codes in the numbering of the message table.
constexpr int IoOk = 0;
constexpr int IoFileNotFound = 2;
constexpr int IoBadFileName = 3;
constexpr int IoTooManyOpenFiles = 4;
constexpr int IoAccessDenied = 5;
constexpr int IoShortRead = 100;
constexpr int IoShortWrite = 101;
// Not a system code: the file was read whole but its content is not a valid record.
constexpr int IoBadContent = -1;

// The message-table code for an errno value. `path` decides ENOENT: a missing
// file is 2, a missing folder on the way to it is 3.
int IoCodeFromErrno(int error, const std::string& path = std::string());
// The message for a code, without the error box's period.
std::string IoErrorMessage(int code);

// True when `path` names something that is not a folder.
bool FileExists(const std::string& path);

// Reads exactly `size` bytes from the start of the file; a longer file is read
// from its first bytes, a shorter one gives IoShortRead. Returns a code.
int ReadFileExact(const std::string& path, std::uint8_t* buffer, std::size_t size);

// Writes `size` bytes as the whole file. An existing regular file is replaced
// only once the new content is complete (temporary file beside it, then rename),
// so a failure leaves it whole; anything else that exists, a device say, is
// written in place. Returns a code.
int WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size);
