#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

// A filesystem of 64 KiB of its own, unmounted when it goes. Only root may mount one:
// elsewhere `mounted` is false.
struct FullDisk : QTemporaryDir {
    static constexpr const char* skipReason = "no small full disk: mounting tmpfs needs root";
    const bool mounted =
        geteuid() == 0 &&
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", path()}) == 0;
    ~FullDisk()
    {
        if (mounted)
            QProcess::execute("umount", {path()});
    }

    QStringList files() const { return QDir(path()).entryList(QDir::Files | QDir::Hidden); }
    QByteArray read(const QString& name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Writes `bytes` as the file `name`; to `fill` the disk, again and again, unbuffered,
    // until it refuses more.
    void write(const QString& name, const QByteArray& bytes, bool fill = false) const
    {
        QFile file(filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (file.write(bytes) == bytes.size() && fill) {
        }
    }
};
