#pragma once

#include <QString>

#include <sys/types.h>

// Which file stands at a path, and its permissions and last change, as the file system
// tells it. Two looks that differ mean the path now holds another file, or the same file
// changed: replaced, deleted, re-created, written to or given other permissions.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    // The status change time moves with every write and with every change of mode or
    // owner, which a modification time alone would miss.
    qint64 changedSeconds = 0;
    qint64 changedNanoseconds = 0;
    mode_t mode = 0;

    static FileIdentity of(const QString& path);

    bool sameFile(const FileIdentity& other) const
    {
        return exists == other.exists && device == other.device && inode == other.inode;
    }
    bool operator==(const FileIdentity& other) const = default;
};
