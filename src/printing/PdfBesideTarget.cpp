#include "PdfBesideTarget.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

// A whole PDF ends with the offset of its cross-reference table, and that table stands
// at that offset: a file cut short, or missing a piece in the middle, fails one of both.
bool wholePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    constexpr qint64 tailBytes = 64;
    if (!file.seek(std::max<qint64>(0, size - tailBytes)))
        return false;
    static const QRegularExpression ending(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch found = ending.match(QString::fromLatin1(file.readAll()));
    if (!found.hasMatch())
        return false;
    const qint64 table = found.captured(1).toLongLong();
    return table < size && file.seek(table) && file.read(4) == "xref";
}

}  // namespace

PdfBesideTarget::PdfBesideTarget(const QString& target) : target_(target)
{
    const QFileInfo info(target);
    part_ = std::make_unique<QTemporaryFile>(
        info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    // The name is ours from here on; the printer writes the file afresh under it.
    if (part_->open()) {
        part_->close();
    } else {
        why_ = part_->errorString();
        part_.reset();
    }
}

PdfBesideTarget::~PdfBesideTarget() = default;

QString PdfBesideTarget::partPath() const
{
    return part_ ? part_->fileName() : QString();
}

bool PdfBesideTarget::finish()
{
    if (!part_)
        return false;
    if (!wholePdf(part_->fileName())) {
        const QStorageInfo disk(QFileInfo(target_).absolutePath());
        why_ = QObject::tr(
                   "only part of it could be written, and the disk holding it has "
                   "%1 KiB free")
                   .arg(disk.bytesAvailable() / 1024);
        return false;
    }
    // As an earlier file of that name could be read, and as a new one would be; the
    // temporary file was made for its owner alone.
    const QFileInfo earlier(target_);
    part_->setPermissions(earlier.exists()
                              ? earlier.permissions()
                              : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                    QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part_->fileName()).constData(),
                            QFile::encodeName(target_).constData(), error);
    if (error) {
        why_ = QString::fromStdString(error.message());
        return false;
    }
    part_->setAutoRemove(false);
    return true;
}
