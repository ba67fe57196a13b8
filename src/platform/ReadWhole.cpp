#include "platform/ReadWhole.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit)
{
    bytes.clear();
    // Non-blocking, so a pipe without a writer cannot hang the window.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {errno, path};
    FileResult result;
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        result = {errno, path};
    } else if (S_ISDIR(info.st_mode)) {
        result = {EISDIR, path};
    } else if (!S_ISREG(info.st_mode)) {
        result = {EINVAL, path};
    } else if (static_cast<unsigned long long>(info.st_size) > limit) {
        result = {EFBIG, path};
    } else {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        // A file that grows meanwhile is read as far as its size said; one that shrinks
        // ends where it ends.
        while (done < bytes.size()) {
            const ssize_t n = read(fd, &bytes[done], bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result = {errno, path};
                break;
            }
            if (n == 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        bytes.resize(done);
    }
    const bool closed = close(fd) == 0 || errno == EINTR;
    if (result.error == 0 && !closed)
        result = {errno, path};
    if (result.error != 0)
        bytes.clear();
    return result;
}
