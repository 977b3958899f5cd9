#include "core/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vk2 {
namespace {

std::string Reason(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string WriteFileSafely(const std::string& path, std::string_view data) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Reason("cannot create a temporary file for", path);
    const bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    const std::string failure = ok ? std::string() : Reason("cannot write", temp);
    ::close(fd);
    if (!ok) {
        ::unlink(temp.c_str());
        return failure;
    }
    // mkstemp creates the file readable by its owner only; a saved file gets the usual rights.
    ::chmod(temp.c_str(), 0644);
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string reason = Reason("cannot replace", path);
        ::unlink(temp.c_str());
        return reason;
    }
    return {};
}

} // namespace vk2
