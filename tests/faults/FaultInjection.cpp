// A preload library for the tests: it counts the calls that change files
// (write to a regular file, fsync, fdatasync, rename, link, unlink and their
// *at forms) and makes the N-th one fail, or kills the process there, as a
// full disk, a failing disk or a crash would.
//
//   QUINDARO2_FAULT_AT=N      the call to act on, from 1
//   QUINDARO2_FAULT_ERRNO=E   the error number it fails with (ENOSPC, EIO...)
//   QUINDARO2_FAULT_CRASH=1   kill the process there instead; a write
//                             writes half its bytes first, as a torn write
//   QUINDARO2_FAULT_LOG=FILE  where "calls C acted A" is written at exit
//                             (before the kill when crashing)
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace {

std::atomic<long> calls{0};
std::atomic<int> acted{0};

long Setting(const char* name)
{
    const char* value = ::getenv(name);
    return value ? ::strtol(value, nullptr, 10) : 0;
}

void WriteLog()
{
    const char* path = ::getenv("QUINDARO2_FAULT_LOG");
    if (!path)
        return;
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    char line[64];
    const int length = ::snprintf(line, sizeof line, "calls %ld acted %d\n", calls.load(), acted.load());
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto real = reinterpret_cast<Write>(::dlsym(RTLD_NEXT, "write"));
    (void)real(fd, line, static_cast<size_t>(length));
    ::close(fd);
}

struct LogAtExit {
    ~LogAtExit() { WriteLog(); }
} logAtExit;

enum class Act { Pass, Fail, Crash };

Act Count()
{
    const long at = Setting("QUINDARO2_FAULT_AT");
    const long number = ++calls;
    if (at <= 0 || number != at)
        return Act::Pass;
    acted = 1;
    if (Setting("QUINDARO2_FAULT_CRASH") != 0) {
        WriteLog();
        return Act::Crash;
    }
    errno = static_cast<int>(Setting("QUINDARO2_FAULT_ERRNO"));
    return Act::Fail;
}

[[noreturn]] void Crash()
{
    ::kill(::getpid(), SIGKILL);
    ::_exit(137);
}

template <typename Function>
Function Real(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

bool IsRegularFile(int fd)
{
    struct stat info;
    return fd > 2 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// The call itself, unless it is the one to fail or to crash on.
template <typename Function, typename... Arguments>
int Guarded(const char* name, Arguments... arguments)
{
    static const auto real = Real<Function>(name);
    switch (Count()) {
    case Act::Pass: return real(arguments...);
    case Act::Fail: return -1;
    case Act::Crash: Crash();
    }
    return -1;
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size)
{
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto real = Real<Write>("write");
    if (!IsRegularFile(fd))
        return real(fd, data, size);
    switch (Count()) {
    case Act::Pass: return real(fd, data, size);
    case Act::Fail: return -1;
    case Act::Crash:
        (void)real(fd, data, size / 2);
        Crash();
    }
    return -1;
}

int fsync(int fd)
{
    return Guarded<int (*)(int)>("fsync", fd);
}

int fdatasync(int fd)
{
    return Guarded<int (*)(int)>("fdatasync", fd);
}

int rename(const char* from, const char* to)
{
    return Guarded<int (*)(const char*, const char*)>("rename", from, to);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    return Guarded<int (*)(int, const char*, int, const char*)>("renameat", fromFolder, from, toFolder, to);
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned int flags)
{
    return Guarded<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2", fromFolder, from, toFolder,
                                                                               to, flags);
}

int link(const char* from, const char* to)
{
    return Guarded<int (*)(const char*, const char*)>("link", from, to);
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags)
{
    return Guarded<int (*)(int, const char*, int, const char*, int)>("linkat", fromFolder, from, toFolder, to, flags);
}

int unlink(const char* path)
{
    return Guarded<int (*)(const char*)>("unlink", path);
}

int unlinkat(int folder, const char* path, int flags)
{
    return Guarded<int (*)(int, const char*, int)>("unlinkat", folder, path, flags);
}

} // extern "C"
