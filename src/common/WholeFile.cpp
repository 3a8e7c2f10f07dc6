#include "WholeFile.h"

#include <QSaveFile>

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return reason;
    }
    return out.commit() ? QString() : out.errorString();
}
