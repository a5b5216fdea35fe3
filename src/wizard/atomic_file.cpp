#include "wizard/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <algorithm>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace wizard {
namespace {

// A name no other writer picks: the target's own name, hidden, with a random tail.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    std::filesystem::path name = target.filename();
    name += "." + std::to_string(random()) + "-" + std::to_string(++counter) + ".tmp";
    std::filesystem::path hidden = ".";
    hidden += name;
    return target.parent_path() / hidden;
}

[[noreturn]] void Fail(int error, const std::string& what) {
    throw std::system_error(error, std::generic_category(), what);
}

#ifdef _WIN32

// The wide-character calls: a path is never narrowed to the ANSI code page.
void WriteAndFlush(const std::filesystem::path& file, std::string_view bytes) {
    const int fd = _wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0)
        Fail(errno, "create");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1 << 30);
        const int n = _write(fd, bytes.data() + done, static_cast<unsigned>(chunk));
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            _close(fd);
            Fail(error, "write");
        }
        done += static_cast<std::size_t>(n);
    }
    if (_commit(fd) != 0) {
        const int error = errno;
        _close(fd);
        Fail(error, "commit");
    }
    if (_close(fd) != 0)
        Fail(errno, "close");
}

void SyncFolder(const std::filesystem::path&) {}

#else

void WriteAndFlush(const std::filesystem::path& file, std::string_view bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        Fail(errno, "create");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            Fail(error, "write");
        }
        done += static_cast<std::size_t>(n);
    }
    // The rename below must not reach the disk before the data does.
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        Fail(error, "fsync");
    }
    if (::close(fd) != 0)
        Fail(errno, "close");
}

// The rename itself lasts only once the folder is on the disk; a failure here loses nothing
// that was there before, so it is not reported.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#endif

} // namespace

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    const std::filesystem::path temporary = TemporaryBeside(target);
    try {
        WriteAndFlush(temporary, bytes);
        std::filesystem::rename(temporary, target);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw;
    }
    SyncFolder(target.parent_path());
}

} // namespace wizard
