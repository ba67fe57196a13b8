#include "main/FileIo.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ParentFolder(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool FolderExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Writes everything, retrying interrupted and partial writes. A call that fails
// after part of the data went out is a short write.
int WriteAll(int fd, const std::uint8_t* data, std::size_t size, const std::string& path)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return done > 0 ? IoShortWrite : IoCodeFromErrno(errno, path);
        }
        if (n == 0) {
            return IoShortWrite;
        }
        done += static_cast<std::size_t>(n);
    }
    return IoOk;
}

int CloseChecked(int fd, const std::string& path)
{
    // After close() the descriptor is gone even on EINTR; do not retry.
    return close(fd) == 0 || errno == EINTR ? IoOk : IoCodeFromErrno(errno, path);
}

// For something that exists and is not a regular file (a device, a pipe): there
// is nothing to keep whole and no rename may replace it.
int WriteInPlace(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return IoCodeFromErrno(errno, path);
    }
    const int code = WriteAll(fd, data, size, path);
    const int closed = CloseChecked(fd, path);
    return code != IoOk ? code : closed;
}

mode_t NewFileMode()
{
    // umask can only be read by setting it; the program has one thread.
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes a temporary file in the target's folder and renames it over the target,
// so the target holds either its old content or the whole new content.
int ReplaceAtomically(const std::string& target, const std::uint8_t* data, std::size_t size,
                      mode_t mode, const struct stat* old)
{
    std::string temp = ParentFolder(target) + "/.korvane-XXXXXX";
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return IoCodeFromErrno(errno, target);
    }
    int code = fchmod(fd, mode) == 0 ? IoOk : IoCodeFromErrno(errno, target);
    if (code == IoOk && old != nullptr) {
        // Keeps the owner when we may (root replacing another user's file).
        if (fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Not ours to give away; the file simply becomes ours.
        }
    }
    if (code == IoOk) {
        code = WriteAll(fd, data, size, target);
    }
    if (code == IoOk && fsync(fd) != 0) {
        code = IoCodeFromErrno(errno, target);
    }
    const int closed = CloseChecked(fd, target);
    if (code == IoOk) {
        code = closed;
    }
    if (code == IoOk && rename(temp.c_str(), target.c_str()) != 0) {
        code = IoCodeFromErrno(errno, target);
    }
    if (code != IoOk) {
        unlink(temp.c_str());
    }
    return code;
}

} // namespace

int IoCodeFromErrno(int error, const std::string& path)
{
    switch (error) {
    case 0:
        return IoOk;
    case ENOENT:
        // A missing folder on the way is a bad path, as on the system the codes
        // come from; only a missing file in an existing folder is "not found".
        return !path.empty() && !FolderExists(ParentFolder(path)) ? IoBadFileName : IoFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EISDIR:
        return IoBadFileName;
    case EMFILE:
    case ENFILE:
        return IoTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return IoAccessDenied;
    case ENOSPC:
        return IoShortWrite;
    default:
        return error;
    }
}

std::string IoErrorMessage(int code)
{
    switch (code) {
    case IoFileNotFound:
        return "ファイルが見つかりません";
    case IoBadFileName:
        return "不正なファイル名です";
    case IoTooManyOpenFiles:
        return "オープンしたファイルが多すぎます";
    case IoAccessDenied:
        return "ファイルへのアクセスが拒否されました";
    case IoShortRead:
        return "ファイルの末尾以降を読み込みました";
    case IoShortWrite:
        return "ディスクがいっぱいです";
    case IoBadContent:
        return "ファイルの内容が正しくありません";
    default: {
        char text[48];
        std::snprintf(text, sizeof text, "I/O エラー (%d)", code);
        return text;
    }
    }
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

int ReadFileExact(const std::string& path, std::uint8_t* buffer, std::size_t size)
{
    // Non-blocking, so a pipe without a writer ends as a short read instead of
    // hanging the window; regular files ignore the flag.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return IoCodeFromErrno(errno, path);
    }
    std::size_t done = 0;
    int code = IoOk;
    while (done < size) {
        const ssize_t n = read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            code = IoCodeFromErrno(errno, path);
            break;
        }
        if (n == 0) {
            code = IoShortRead;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    const int closed = CloseChecked(fd, path);
    return code != IoOk ? code : closed;
}

int WriteFileReplacing(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        // Nothing there yet (or the path is bad, which creating the temporary
        // file reports): the name appears only with its whole content.
        return ReplaceAtomically(path, data, size, NewFileMode(), nullptr);
    }
    if (!S_ISREG(st.st_mode)) {
        return WriteInPlace(path, data, size);
    }
    // A link is followed: the file it names is replaced, the link stays.
    char real[PATH_MAX];
    if (realpath(path.c_str(), real) == nullptr) {
        return IoCodeFromErrno(errno, path);
    }
    // Truncating a read-only file fails; replacing it by rename would not.
    if (access(real, W_OK) != 0) {
        return IoCodeFromErrno(errno, path);
    }
    const int code = ReplaceAtomically(real, data, size, st.st_mode & 07777, &st);
    if (code == IoAccessDenied) {
        // A writable file in a folder we may not add to: truncating it in place is
        // the only way left, and what the user asked for.
        return WriteInPlace(real, data, size);
    }
    return code;
}
