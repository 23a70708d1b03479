#pragma once

#include <QString>

namespace quindaro2::test {

// A small tmpfs that the test mounts (only root may), to see what a write
// does on a full disk; unmounted when the test ends. Tests skip when it could
// not be mounted.
class SmallFileSystem {
public:
    // `inodes`, when given, also bounds how many files it can hold.
    explicit SmallFileSystem(qint64 bytes, int inodes = 0);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    QString path(const QString& name) const;
    // Fills the file system until only `bytes` are left free.
    bool leaveFree(qint64 bytes) const;
    // Makes empty files until no more can be made.
    void useEveryInode() const;
    qint64 freeBytes() const;

private:
    QString dir_;
    bool mounted_ = false;
};

} // namespace quindaro2::test
