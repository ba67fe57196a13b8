#include "platform/WriteStep.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many hops as the kernel follows before it reports a loop.
constexpr int MaxLinkHops = 40;
// Old bytes larger than this are not kept for putting back after a failed write in place.
constexpr off_t MaxKeptBytes = 64 << 20;

int RealOpenAt(int folder, const char* name, int flags, mode_t mode)
{
    return openat(folder, name, flags, mode);
}

int RealOpen(const char* path, int flags)
{
    return open(path, flags);
}

const WriteStepCalls RealCalls = {RealOpenAt,  RealOpen, ::write,  ::fsync,
                                  ::ftruncate, ::close,  ::linkat, ::renameat};

FileResult Fail(int error, const std::string& path)
{
    return {error, path};
}

std::string LastName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// After close() the descriptor is gone even when it reports EINTR; that is no failure.
int CloseChecked(int fd)
{
    return WriteStepSystem.close(fd) == 0 || errno == EINTR ? 0 : errno;
}

// Writes everything, retrying interrupted and partial writes. Returns 0, an errno, or
// -1 for a short write: part of the data went out and the rest could not follow.
int WriteAll(int fd, const std::uint8_t* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = WriteStepSystem.write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return done > 0 ? -1 : errno;
        if (n == 0)
            return -1;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

FileResult WriteFailure(int result, const std::string& path)
{
    return {result == -1 ? ShortTransfer : result, path};
}

// The file a path names once symbolic links on its last part are followed, as
// opening it would follow them; what lies there, if anything.
struct Target {
    std::string path;
    bool exists = false;
    struct stat st {};
};

int ResolveTarget(const std::string& path, Target& target)
{
    std::string current = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return errno;
            // Nothing there, or a link to nothing: the name at the end is created.
            target.path = current;
            target.exists = false;
            return 0;
        }
        if (!S_ISLNK(st.st_mode)) {
            target.path = current;
            target.exists = true;
            target.st = st;
            return 0;
        }
        if (hops == MaxLinkHops)
            return ELOOP;
        std::vector<char> text(PATH_MAX + 1);
        const ssize_t n = readlink(current.c_str(), text.data(), text.size());
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) >= text.size())
            return ENAMETOOLONG;
        const std::string to(text.data(), static_cast<std::size_t>(n));
        // A relative link is read from the folder that holds it.
        current = !to.empty() && to[0] == '/' ? to : ParentFolder(current) + "/" + to;
    }
}

// Replacing needs a new name in the folder; renaming over another user's file in a
// folder with the sticky bit is refused as well.
bool FolderTakesNewFile(const std::string& folder, const struct stat& file)
{
    if (faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return false;
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0)
        return false;
    const uid_t me = geteuid();
    return !(st.st_mode & S_ISVTX) || me == 0 || file.st_uid == me || st.st_uid == me;
}

// A new file is ours; it can be given the replaced file's owner and group only by root,
// or, for a file already ours, a group we belong to. Otherwise replacing would hand the
// file to us without a word, so it is written in place instead.
bool CanKeepOwner(const struct stat& file)
{
    const uid_t me = geteuid();
    if (me == 0)
        return true;
    if (file.st_uid != me)
        return false;
    if (file.st_gid == getegid())
        return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == file.st_gid)
            return true;
    }
    return false;
}

// Restores what a failed write in place changed, as far as the disk lets it.
void PutBack(int fd, const std::vector<std::uint8_t>& old)
{
    if (lseek(fd, 0, SEEK_SET) != 0 || WriteAll(fd, old.data(), old.size()) != 0)
        return;
    if (WriteStepSystem.truncate(fd, static_cast<off_t>(old.size())) == 0)
        WriteStepSystem.sync(fd);
}

// Overwrites without truncating first, so a crash leaves the old or the new record and
// never an empty file, and every hard link sees the new content. A device or a pipe is
// written as it is; a pipe without a reader is an error, never a wait.
FileResult WriteInPlace(const Target& target, const std::uint8_t* data, std::size_t size,
                        WriteStage& stage)
{
    const bool regular = S_ISREG(target.st.st_mode);
    const int flags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW;
    // Read access only to keep the old bytes; a pipe opened for reading would never fail.
    int fd = regular ? WriteStepSystem.openTarget(target.path.c_str(), O_RDWR | flags) : -1;
    if (fd < 0)
        fd = WriteStepSystem.openTarget(target.path.c_str(), O_WRONLY | flags);
    if (fd < 0)
        return Fail(errno, target.path);
    stage = WriteStage::Write;

    std::vector<std::uint8_t> old;
    bool keptOld = false;
    if (regular && target.st.st_size <= MaxKeptBytes) {
        old.resize(static_cast<std::size_t>(target.st.st_size));
        keptOld = pread(fd, old.data(), old.size(), 0) == static_cast<ssize_t>(old.size());
    }
    int result = 0;
    if (regular && static_cast<off_t>(size) > target.st.st_size &&
        fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0 &&
        (errno == ENOSPC || errno == EDQUOT)) {
        // A longer record claims its room first: a full disk stops it before any byte changes.
        result = errno;
    }
    bool touched = false;
    if (result == 0) {
        touched = true;
        result = WriteAll(fd, data, size);
    }
    if (regular && result == 0 && WriteStepSystem.truncate(fd, static_cast<off_t>(size)) != 0)
        result = errno;
    if (regular && result == 0 && WriteStepSystem.sync(fd) != 0)
        result = errno;
    if (result != 0 && touched && keptOld)
        PutBack(fd, old);
    const int closed = CloseChecked(fd);
    if (result == 0)
        result = closed;
    return result == 0 ? FileResult{} : WriteFailure(result, target.path);
}

// Temporary names are short, so they fit any file system's name limit however long
// the target's name is.
std::string TemporaryName()
{
    // Atomic: the figures of a batch export are written from several threads.
    static std::atomic<unsigned> counter{0};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned long long seed = static_cast<unsigned long long>(getpid()) * 1000003u +
                              static_cast<unsigned long long>(std::time(nullptr)) * 7919u +
                              ++counter * 104729u;
    std::string name = ".korvane";
    for (int i = 0; i < 6; ++i) {
        name += letters[seed % 36];
        seed /= 36;
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
    }
    return name;
}

int OpenNamedTemporary(int folder, mode_t mode, std::string& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName();
        const int fd = WriteStepSystem.openTemporary(
            folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Links the unnamed file under a temporary name, for a rename over the target.
int LinkUnderTemporaryName(const std::string& self, int folder, std::string& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName();
        if (WriteStepSystem.link(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) ==
            0)
            return 0;
        if (errno != EEXIST)
            break;
    }
    name.clear();
    return errno;
}

bool UnnamedFilesWork()
{
    // Naming an unnamed file goes through its /proc entry.
    static const bool available = access("/proc/self/fd", X_OK) == 0;
    return available;
}

// The replaced file's owner and group where we may set them (chown clears the set-id
// bits, so it comes first), then its mode.
int KeepOwnerAndMode(int fd, const struct stat& old)
{
    if (old.st_uid != geteuid() || old.st_gid != getegid()) {
        if (fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, -1, old.st_gid) != 0) {
            // Not ours to give: the new file stays ours, as any new file would be.
        }
    }
    return fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

FileResult ReplaceInFolder(int folder, bool canSyncFolder, const Target& target,
                           const std::string& name, const std::uint8_t* data, std::size_t size,
                           WriteStage& stage)
{
    // A new file takes the usual mode (and the folder's default permissions); a
    // replacement starts private and takes the old file's mode once it is ours.
    const mode_t createMode = target.exists ? 0600 : 0666;
    int fd = -1;
    std::string tempName;
    if (UnnamedFilesWork()) {
        fd = WriteStepSystem.openTemporary(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC,
                                           createMode);
        // Only a file system without unnamed files moves on to a named one.
        if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return Fail(errno, target.path);
    }
    const bool named = fd < 0;
    if (named) {
        fd = OpenNamedTemporary(folder, createMode, tempName);
        if (fd < 0)
            return Fail(errno, target.path);
    }
    stage = WriteStage::Write;

    int result = target.exists ? KeepOwnerAndMode(fd, target.st) : 0;
    if (result == 0)
        result = WriteAll(fd, data, size);
    if (result == 0 && WriteStepSystem.sync(fd) != 0)
        result = errno;

    // A second handle on the unnamed file, one that does no I/O, names it after the
    // written handle is closed, so that close is checked before the file has a name.
    int handle = -1;
    if (!named && result == 0) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        handle = open(self.c_str(), O_PATH | O_CLOEXEC);
        if (handle < 0)
            result = errno;
    }
    const int closed = CloseChecked(fd);
    if (result == 0)
        result = closed;

    // The file gets a name only once it is complete and on disk. A new file takes its
    // own name at once; a replacement needs a name of its own for the rename.
    std::string linked; // a name the new file has and must lose on failure
    if (named) {
        linked = tempName;
    } else if (result == 0) {
        const std::string self = "/proc/self/fd/" + std::to_string(handle);
        if (!target.exists) {
            if (WriteStepSystem.link(AT_FDCWD, self.c_str(), folder, name.c_str(),
                                     AT_SYMLINK_FOLLOW) == 0)
                linked = name;
            else
                result = errno;
        } else {
            result = LinkUnderTemporaryName(self, folder, tempName);
            linked = tempName;
        }
    }
    if (result == 0 && linked != name &&
        WriteStepSystem.rename(folder, linked.c_str(), folder, name.c_str()) != 0)
        result = errno;
    if (handle >= 0)
        close(handle); // a path handle: nothing to flush, nothing to report
    if (result != 0) {
        if (!linked.empty())
            unlinkat(folder, linked.c_str(), 0);
        return WriteFailure(result, target.path);
    }
    // The new name survives a power cut only once the folder is on disk too. Some file
    // systems cannot sync a folder at all (EINVAL); that is no failure of the save.
    if (canSyncFolder && WriteStepSystem.sync(folder) != 0 && errno != EINVAL)
        return Fail(errno, target.path);
    return FileResult{};
}

FileResult Replace(const Target& target, const std::string& folderPath, const std::string& name,
                   const std::uint8_t* data, std::size_t size, WriteStage& stage)
{
    int folder = open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder we may write but not list still takes the file; it cannot be synced.
    const bool canSyncFolder = folder >= 0;
    if (folder < 0 && errno == EACCES)
        folder = open(folderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return Fail(errno, target.path);
    const FileResult code = ReplaceInFolder(folder, canSyncFolder, target, name, data, size, stage);
    // Nothing was written through the folder's descriptor; its close cannot lose data.
    close(folder);
    return code;
}

FileResult WriteSteps(const std::string& path, const std::uint8_t* data, std::size_t size,
                      WriteStage& stage)
{
    Target target;
    if (const int error = ResolveTarget(path, target))
        return Fail(error, path);
    const std::string name = LastName(target.path);
    if (name.empty() || name == "." || name == ".." ||
        (target.exists && S_ISDIR(target.st.st_mode)))
        return Fail(EISDIR, target.path);
    if (target.exists && !S_ISREG(target.st.st_mode))
        return WriteInPlace(target, data, size, stage);
    const std::string folder = ParentFolder(target.path);
    if (target.exists) {
        // A file that could not be opened for writing is not replaced behind its back.
        if (faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
            return Fail(errno, target.path);
        if (target.st.st_nlink > 1 || !FolderTakesNewFile(folder, target.st) ||
            !CanKeepOwner(target.st))
            return WriteInPlace(target, data, size, stage);
    }
    return Replace(target, folder, name, data, size, stage);
}

} // namespace

WriteStepCalls WriteStepSystem = RealCalls;

void ResetWriteStepCalls()
{
    WriteStepSystem = RealCalls;
}

std::string ParentFolder(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool FolderExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

FileResult ReadFileBytes(const std::string& path, std::uint8_t* buffer, std::size_t size)
{
    // Non-blocking, so a pipe without a writer ends as a short read instead of
    // hanging the window; regular files ignore the flag.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Fail(errno, path);
    std::size_t done = 0;
    FileResult result;
    while (done < size) {
        const ssize_t n = read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result = Fail(errno, path);
            break;
        }
        if (n == 0) {
            result = Fail(ShortTransfer, path);
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool closed = close(fd) == 0 || errno == EINTR;
    if (result.error == 0 && !closed)
        result = Fail(errno, path);
    return result;
}

FileResult WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size,
                          WriteStage* failedAt)
{
    WriteStage stage = WriteStage::Create;
    const FileResult result = WriteSteps(path, data, size, stage);
    if (failedAt != nullptr)
        *failedAt = stage;
    return result;
}
