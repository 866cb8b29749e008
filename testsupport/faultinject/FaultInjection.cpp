// Preloaded into a process under test (LD_PRELOAD): numbers every call that changes a file
// below QUILLET_FAULT_ROOT (write, fsync, rename, unlink, open for writing; an fsync counts
// also on a file or folder opened for reading, as flushes after a rename are) and, at call
// QUILLET_FAULT_AT, does what QUILLET_FAULT_MODE says:
//   count   nothing (only counts),
//   kill    the process is killed just before the call,
//   enospc  this and every later write-like call fails with ENOSPC (disk full),
//   eio     this call alone fails with EIO.
// At exit the number of calls seen is written to QUILLET_FAULT_REPORT.
// No Qt here: the library must load into any process.

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

enum class Mode { Off, Count, Kill, NoSpace, IoError };
enum class CallKind { Write, Sync, Rename, Unlink, Open };

struct Settings
{
    Mode mode = Mode::Off;
    long at = 0;
    std::string root;  // with a trailing '/'
    std::string report;
};

// Never destroyed: the report at exit still reads it.
Settings &settings()
{
    static Settings *s = new Settings([] {
        Settings read;
        const char *mode = getenv("QUILLET_FAULT_MODE");
        const char *root = getenv("QUILLET_FAULT_ROOT");
        if (!mode || !root || !*root)
            return read;
        read.root = root;
        if (read.root.back() != '/')
            read.root += '/';
        if (const char *at = getenv("QUILLET_FAULT_AT"))
            read.at = atol(at);
        if (const char *report = getenv("QUILLET_FAULT_REPORT"))
            read.report = report;
        const std::string m = mode;
        read.mode = m == "kill" ? Mode::Kill : m == "enospc" ? Mode::NoSpace : m == "eio" ? Mode::IoError : Mode::Count;
        return read;
    }());
    return *s;
}

std::atomic<long> g_calls{0};
std::atomic<bool> g_fired{false};
constexpr int kMaxFds = 65536;
std::atomic<bool> g_tracked[kMaxFds];

template <typename F>
F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

std::string absolutePath(int dirfd, const char *path)
{
    if (!path)
        return {};
    if (path[0] == '/')
        return path;
    char base[4096];
    if (dirfd == AT_FDCWD) {
        if (!getcwd(base, sizeof base))
            return path;
    } else {
        const std::string link = "/proc/self/fd/" + std::to_string(dirfd);
        const ssize_t n = readlink(link.c_str(), base, sizeof base - 1);
        if (n < 0)
            return path;
        base[n] = '\0';
    }
    return std::string(base) + "/" + path;
}

bool underRoot(int dirfd, const char *path)
{
    const Settings &s = settings();
    if (s.mode == Mode::Off)
        return false;
    return absolutePath(dirfd, path).rfind(s.root, 0) == 0;
}

bool tracked(int fd)
{
    return fd >= 0 && fd < kMaxFds && g_tracked[fd].load();
}

void track(int fd, bool on)
{
    if (fd >= 0 && fd < kMaxFds)
        g_tracked[fd].store(on);
}

// Numbers one call; true when it must fail, with errno set.
bool injectFault(CallKind kind)
{
    const Settings &s = settings();
    const long number = ++g_calls;
    if (s.mode == Mode::Count || s.mode == Mode::Off || number < s.at)
        return false;
    switch (s.mode) {
    case Mode::Kill:
        if (number == s.at)
            kill(getpid(), SIGKILL);
        return false;
    case Mode::IoError:
        if (number != s.at)
            return false;
        g_fired = true;
        errno = EIO;
        return true;
    case Mode::NoSpace:
        // A full disk refuses what needs room; renames and removals still work.
        if (kind == CallKind::Rename || kind == CallKind::Unlink)
            return false;
        g_fired = true;
        errno = ENOSPC;
        return true;
    default:
        return false;
    }
}

bool opensForWriting(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) != 0;
}

bool fileExists(int dirfd, const char *path)
{
    struct stat st;
    return fstatat(dirfd, path, &st, 0) == 0;
}

// Open for writing: a full disk refuses only the creation of a new file.
bool openFault(int dirfd, const char *path, int flags)
{
    const Settings &s = settings();
    const long next = g_calls.load() + 1;
    if (s.mode == Mode::NoSpace && next >= s.at && ((flags & O_CREAT) == 0 || fileExists(dirfd, path))) {
        ++g_calls;
        return false;
    }
    return injectFault(CallKind::Open);
}

int doOpen(const char *name, bool relativeToDir, int dirfd, const char *path, int flags, mode_t mode)
{
    const bool below = underRoot(dirfd, path);
    const bool watched = below && opensForWriting(flags);
    if (watched && openFault(dirfd, path, flags))
        return -1;
    int fd;
    if (!relativeToDir)
        fd = real<int (*)(const char *, int, ...)>(name)(path, flags, mode);
    else
        fd = real<int (*)(int, const char *, int, ...)>(name)(dirfd, path, flags, mode);
    if (fd >= 0)
        track(fd, below);
    return fd;
}

mode_t modeArgument(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

struct ReportAtExit
{
    ~ReportAtExit()
    {
        const Settings &s = settings();
        if (s.mode == Mode::Off || s.report.empty())
            return;
        FILE *out = real<FILE *(*)(const char *, const char *)>("fopen")(s.report.c_str(), "w");
        if (!out)
            return;
        std::fprintf(out, "%ld %d\n", g_calls.load(), g_fired.load() ? 1 : 0);
        std::fclose(out);
    }
} g_report;

} // namespace

extern "C" {

int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return doOpen("open", false, AT_FDCWD, path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return doOpen("open64", false, AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return doOpen("openat", true, dirfd, path, flags, mode);
}

int openat64(int dirfd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return doOpen("openat64", true, dirfd, path, flags, mode);
}

int creat(const char *path, mode_t mode)
{
    return doOpen("open", false, AT_FDCWD, path, O_CREAT | O_WRONLY | O_TRUNC, mode);
}

int creat64(const char *path, mode_t mode)
{
    return doOpen("open64", false, AT_FDCWD, path, O_CREAT | O_WRONLY | O_TRUNC, mode);
}

static FILE *doFopen(const char *name, const char *path, const char *mode)
{
    const bool writes = mode && (std::strpbrk(mode, "wa+") != nullptr);
    const bool watched = writes && underRoot(AT_FDCWD, path);
    if (watched && openFault(AT_FDCWD, path, mode[0] == 'r' ? O_RDWR : O_CREAT | O_WRONLY))
        return nullptr;
    FILE *file = real<FILE *(*)(const char *, const char *)>(name)(path, mode);
    if (file)
        track(fileno(file), watched);
    return file;
}

FILE *fopen(const char *path, const char *mode)
{
    return doFopen("fopen", path, mode);
}

FILE *fopen64(const char *path, const char *mode)
{
    return doFopen("fopen64", path, mode);
}

int close(int fd)
{
    track(fd, false);
    return real<int (*)(int)>("close")(fd);
}

int fclose(FILE *file)
{
    track(fileno(file), false);
    return real<int (*)(FILE *)>("fclose")(file);
}

ssize_t write(int fd, const void *buffer, size_t count)
{
    if (tracked(fd) && injectFault(CallKind::Write))
        return -1;
    return real<ssize_t (*)(int, const void *, size_t)>("write")(fd, buffer, count);
}

ssize_t pwrite(int fd, const void *buffer, size_t count, off_t offset)
{
    if (tracked(fd) && injectFault(CallKind::Write))
        return -1;
    return real<ssize_t (*)(int, const void *, size_t, off_t)>("pwrite")(fd, buffer, count, offset);
}

ssize_t pwrite64(int fd, const void *buffer, size_t count, off64_t offset)
{
    if (tracked(fd) && injectFault(CallKind::Write))
        return -1;
    return real<ssize_t (*)(int, const void *, size_t, off64_t)>("pwrite64")(fd, buffer, count, offset);
}

ssize_t writev(int fd, const struct iovec *vectors, int count)
{
    if (tracked(fd) && injectFault(CallKind::Write))
        return -1;
    return real<ssize_t (*)(int, const struct iovec *, int)>("writev")(fd, vectors, count);
}

size_t fwrite(const void *buffer, size_t size, size_t count, FILE *file)
{
    if (tracked(fileno(file)) && injectFault(CallKind::Write))
        return 0;
    return real<size_t (*)(const void *, size_t, size_t, FILE *)>("fwrite")(buffer, size, count, file);
}

int ftruncate(int fd, off_t length)
{
    if (tracked(fd) && injectFault(CallKind::Write))
        return -1;
    return real<int (*)(int, off_t)>("ftruncate")(fd, length);
}

int ftruncate64(int fd, off64_t length)
{
    if (tracked(fd) && injectFault(CallKind::Write))
        return -1;
    return real<int (*)(int, off64_t)>("ftruncate64")(fd, length);
}

int fsync(int fd)
{
    if (tracked(fd) && injectFault(CallKind::Sync))
        return -1;
    return real<int (*)(int)>("fsync")(fd);
}

int fdatasync(int fd)
{
    if (tracked(fd) && injectFault(CallKind::Sync))
        return -1;
    return real<int (*)(int)>("fdatasync")(fd);
}

int rename(const char *from, const char *to)
{
    if ((underRoot(AT_FDCWD, from) || underRoot(AT_FDCWD, to)) && injectFault(CallKind::Rename))
        return -1;
    return real<int (*)(const char *, const char *)>("rename")(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    if ((underRoot(fromDir, from) || underRoot(toDir, to)) && injectFault(CallKind::Rename))
        return -1;
    return real<int (*)(int, const char *, int, const char *)>("renameat")(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags)
{
    if ((underRoot(fromDir, from) || underRoot(toDir, to)) && injectFault(CallKind::Rename))
        return -1;
    return real<int (*)(int, const char *, int, const char *, unsigned int)>("renameat2")(fromDir, from, toDir, to, flags);
}

int unlink(const char *path)
{
    if (underRoot(AT_FDCWD, path) && injectFault(CallKind::Unlink))
        return -1;
    return real<int (*)(const char *)>("unlink")(path);
}

int unlinkat(int dirfd, const char *path, int flags)
{
    if (underRoot(dirfd, path) && injectFault(CallKind::Unlink))
        return -1;
    return real<int (*)(int, const char *, int)>("unlinkat")(dirfd, path, flags);
}

int remove(const char *path)
{
    if (underRoot(AT_FDCWD, path) && injectFault(CallKind::Unlink))
        return -1;
    return real<int (*)(const char *)>("remove")(path);
}

} // extern "C"
