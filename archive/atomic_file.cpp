#include "archive/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>
#include <system_error>
#include <unistd.h>

namespace korva {

namespace {

bool writeAll(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void syncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

constexpr char kTemporaryMark[] = ".tmp";

// A temporary file of this write's own beside `path`, created exclusively:
// two writers of one file, in one process or two, never share (or truncate)
// each other's half-written copy.
int createTemporaryBeside(const std::filesystem::path& path, std::string& name) {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char tag[32];
        std::snprintf(tag, sizeof tag, "%x.%x.%x", static_cast<unsigned>(::getpid()), counter++, random());
        name = path.string() + kTemporaryMark + tag + "~";
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size) {
    std::string tmp;
    int fd = createTemporaryBeside(path, tmp);
    if (fd < 0) return false;
    bool ok = writeAll(fd, data, size) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    syncFolder(path.parent_path());
    return true;
}

bool removeUnfinishedWrites(const std::filesystem::path& path) {
    const std::string prefix = path.filename().string() + kTemporaryMark;
    bool found = false;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(path.parent_path().empty() ? "." : path.parent_path(), ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 && name.back() == '~') {
            std::error_code removeError;
            std::filesystem::remove(it->path(), removeError);
            found = true;
        }
    }
    return found;
}

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<std::uint8_t> out;
    unsigned char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            return std::nullopt;
        }
        out.insert(out.end(), buf, buf + n);
    }
    ::close(fd);
    return out;
}

} // namespace korva
