#include "safesave.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// An open file descriptor, closed when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// The hidden file beside PATH that ends in SUFFIX; for a name too long to take
// more, a hidden name made from its hash.
QByteArray sideFile(const QByteArray &path, const char *suffix)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = path.left(slash + 1);
    const QByteArray name = path.mid(slash + 1);
    QByteArray side = '.' + name + suffix;
    if (side.size() > NAME_MAX)
        side = ".korvan-" + QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex() + suffix;
    return folder + side;
}

bool syncFolderOf(const QByteArray &path)
{
    const QByteArray folder = path.left(qMax<qsizetype>(path.lastIndexOf('/'), 1));
    Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.valid() && ::fsync(fd.get()) == 0;
}

bool writeAll(int fd, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Copies everything of FROM into TO (both at offset 0), then cuts TO to that length.
bool copyContents(int from, int to)
{
    if (::lseek(from, 0, SEEK_SET) < 0 || ::lseek(to, 0, SEEK_SET) < 0)
        return false;
    off_t total = 0;
    for (;;) {
        const ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, 1 << 20, 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0)
            break; // not on this file system: copy by hand below
        if (copied == 0)
            return ::ftruncate(to, total) == 0;
        total += copied;
    }
    if (::lseek(from, total, SEEK_SET) < 0 || ::lseek(to, total, SEEK_SET) < 0)
        return false;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return ::ftruncate(to, total) == 0;
        if (!writeAll(to, buffer, got))
            return false;
        total += got;
    }
}

// Writes the finished JOURNAL over TARGET in place, then removes the journal.
bool rollForward(const QByteArray &journal, const QByteArray &target)
{
    Descriptor from(::open(journal.constData(), O_RDONLY | O_CLOEXEC));
    Descriptor to(::open(target.constData(), O_WRONLY | O_CLOEXEC));
    if (!from.valid() || !to.valid())
        return false;
    if (!copyContents(from.get(), to.get()) || ::fsync(to.get()) != 0 || !to.close())
        return false;
    return ::unlink(journal.constData()) == 0 && syncFolderOf(target);
}

} // namespace

SafeSave::SafeSave() = default;

SafeSave::~SafeSave()
{
    if (!m_spare.isEmpty())
        ::unlink(m_spare.constData());
}

bool SafeSave::flush(const QStringList &paths)
{
    QSet<dev_t> flushed;
    bool ok = true;
    for (const QString &path : paths) {
        Descriptor fd(::open(encoded(path).constData(), O_RDONLY | O_CLOEXEC));
        struct stat status;
        if (!fd.valid() || ::fstat(fd.get(), &status) != 0 || flushed.contains(status.st_dev))
            continue;
        flushed.insert(status.st_dev);
        ok = ::syncfs(fd.get()) == 0 && ok;
    }
    return ok;
}

void SafeSave::recover(const QString &path)
{
    const QByteArray target = encoded(path);
    const QByteArray journal = sideFile(target, ".korvan-new");
    struct stat status;
    if (::lstat(journal.constData(), &status) == 0 && S_ISREG(status.st_mode))
        rollForward(journal, target);
}

QByteArray SafeSave::takeCopyFile(const QByteArray &copyPath, dev_t device)
{
    // The old contents of the last file saved make the next copy: no file is
    // created or deleted, which costs file systems more than the copying.
    if (!m_spare.isEmpty() && m_spareDevice == device &&
        ::rename(m_spare.constData(), copyPath.constData()) == 0) {
        m_spare.clear();
        return copyPath;
    }
    if (!m_spare.isEmpty())
        ::unlink(m_spare.constData());
    m_spare.clear();
    ::unlink(copyPath.constData()); // left by an interrupted save
    Descriptor created(::open(copyPath.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    return created.valid() ? copyPath : QByteArray();
}

bool SafeSave::replace(const QString &path, qint64 reserve,
                       const std::function<bool(const QString &copy)> &write)
{
    // Through a symbolic link the file it points to is saved; the link stays.
    char resolved[PATH_MAX];
    if (!::realpath(encoded(path).constData(), resolved))
        return false;
    const QByteArray target(resolved);
    recover(QFile::decodeName(target));

    // Only a regular file is opened: opening a fifo or a device could block for ever.
    struct stat status;
    if (::stat(target.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    Descriptor original(::open(target.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!original.valid() || ::fstat(original.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;

    const QByteArray copyPath = takeCopyFile(sideFile(target, ".korvan-tmp"), status.st_dev);
    if (copyPath.isEmpty())
        return false;
    auto fail = [&] {
        ::unlink(copyPath.constData());
        return false;
    };
    {
        Descriptor copy(::open(copyPath.constData(), O_RDWR | O_CLOEXEC));
        if (!copy.valid())
            return fail();
        // Without room for the file and its growth, fail now rather than half
        // way through (the caller's check of the written copy catches the rest).
        struct statvfs space;
        if (::fstatvfs(copy.get(), &space) == 0 && qint64(space.f_bavail) * qint64(space.f_frsize) <
                                                       qint64(status.st_size) + qMax<qint64>(reserve, 0))
            return fail();
        if (!copyContents(original.get(), copy.get()))
            return fail();
        if (::fchmod(copy.get(), status.st_mode & 07777) != 0)
            return fail();
        if (status.st_uid != ::geteuid() || status.st_gid != ::getegid()) {
            if (::fchown(copy.get(), status.st_uid, status.st_gid) != 0 && ::geteuid() == 0)
                return fail();
        }
        if (!copy.close())
            return fail();
    }
    if (!write(QFile::decodeName(copyPath)))
        return fail();
    struct stat after;
    if (::stat(copyPath.constData(), &after) != 0 || after.st_size == 0)
        return fail();

    if (status.st_nlink <= 1) {
        // Atomic: whenever the process dies, the file is the old one or the new
        // one. (flush() puts a whole save on the disk at once; a sync for each
        // file would cost more than the save itself.) Exchanged, the old
        // contents stay behind as the spare for the next file.
        if (::renameat2(AT_FDCWD, copyPath.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
            m_spare = copyPath;
            m_spareDevice = status.st_dev;
            return true;
        }
        return ::rename(copyPath.constData(), target.constData()) == 0 || fail();
    }
    // In place, the journal must be complete on the disk before the file is touched.
    Descriptor written(::open(copyPath.constData(), O_RDONLY | O_CLOEXEC));
    if (!written.valid() || ::fsync(written.get()) != 0)
        return fail();
    written.close();
    const QByteArray journal = sideFile(target, ".korvan-new");
    if (::rename(copyPath.constData(), journal.constData()) != 0 || !syncFolderOf(target))
        return fail();
    // From here on the save completes, now or through recover().
    return rollForward(journal, target);
}
