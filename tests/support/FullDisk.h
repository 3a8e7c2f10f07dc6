#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

// A filesystem of 64 KiB of its own, filled to the last byte by fill() once the files a
// test needs are in it. It can be made only where tmpfs may be mounted (as root); where
// not, skipReason() says why.
class FullDisk {
public:
    FullDisk()
    {
        if (geteuid() != 0) {
            skipReason_ = QStringLiteral("mounting a small full filesystem needs root");
            return;
        }
        QProcess mount;
        mount.setProcessChannelMode(QProcess::MergedChannels);
        mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", path()});
        mount.waitForFinished();
        mounted_ = mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        if (!mounted_)
            skipReason_ = "mount -t tmpfs failed: " + QString::fromLocal8Bit(mount.readAll());
    }
    ~FullDisk()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {path()});
    }

    QString skipReason() const { return skipReason_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    // Fills what is left with one file, written unbuffered until the disk refuses more.
    void fill() const
    {
        QFile ballast(filePath(QStringLiteral("ballast")));
        if (!ballast.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(1024, 'x');
        while (ballast.write(block) > 0) {
        }
    }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString skipReason_;
};
