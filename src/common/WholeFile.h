#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` beside `path` and renames them over it, so a failure leaves any earlier
// file of that name as it was. QSaveFile::write only fills a buffer, and Qt 6.4 commits
// even when that buffer never reached the disk: every step is checked before the commit.
// The reason when a step failed, else "".
QString writeWholeFile(const QString& path, const QByteArray& bytes);
