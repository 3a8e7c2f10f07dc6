#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// A filesystem of 64 KiB of its own, to be filled to the last byte. Only root may mount
// one; elsewhere skipReason() says so.
class FullDisk {
public:
    FullDisk()
    {
        if (geteuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs",
                                                          folder_.path()}) == 0)
            mounted_ = true;
        else
            skipReason_ = QStringLiteral("a full disk: no tmpfs could be mounted (needs root)");
    }
    ~FullDisk()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {folder_.path()});
    }

    QString skipReason() const { return skipReason_; }
    QString filePath(const QString& name) const { return folder_.filePath(name); }
    QStringList files() const
    {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden);
    }
    QByteArray read(const QString& name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // What room is left, taken by one file written unbuffered until the disk refuses more.
    void fill() const
    {
        QFile ballast(filePath(QStringLiteral("ballast")));
        QVERIFY(ballast.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (ballast.write(QByteArray(1024, 'x')) > 0) {
        }
    }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString skipReason_;
};
