#include "framework/atomicfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace framework {

namespace {

std::string reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    std::string temporary = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return reason("Cannot create a file in that folder");
    }
    // A new file gets the permissions a plain save would give it; a replaced file keeps its own.
    struct stat existing {};
    const mode_t umaskNow = ::umask(0);
    ::umask(umaskNow);
    const mode_t mode =
        ::stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : (0666 & ~umaskNow);
    ::fchmod(fd, mode);

    std::string failure;
    if (!writeAll(fd, bytes)) {
        failure = reason("Cannot write the file");
    } else if (::fsync(fd) != 0) {
        failure = reason("Cannot write the file");
    }
    if (::close(fd) != 0 && failure.empty()) {
        failure = reason("Cannot write the file");
    }
    if (failure.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) {
        failure = reason("Cannot replace the file");
    }
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
    }
    return failure;
}

} // namespace framework
