#include "ReadCrosswordFile.h"

#include "FileFilters.h"
#include "ImportedFile.h"
#include "IpuzReader.h"
#include "PuzReader.h"
#include "seams/Ui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ImportedFile readCrosswordBytes(const QByteArray& bytes, const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const bool puz = suffix == QLatin1String("puz") ||
                     (suffix != QLatin1String("ipuz") &&
                      bytes.mid(0x02, 12) == QByteArrayView("ACROSS&DOWN\0", 12));
    return puz ? puzCrossword(bytes) : ipuzCrossword(bytes);
}

std::optional<ImportedCrossword> readCrosswordFile(Ui& ui)
{
    const QString caption = QStringLiteral("Import Crossword");
    const QString path =
        ui.chooseOpenFile(caption, {FileFilters::both, FileFilters::ipuz, FileFilters::puz});
    if (path.isEmpty())
        return std::nullopt;
    const QString shownPath = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ui.message(QStringLiteral("%1 could not be read: %2").arg(shownPath, file.errorString()),
                   caption);
        return std::nullopt;
    }
    // Read no further than the limit, whatever size the file claims.
    const QByteArray bytes = file.read(maxCrosswordFileBytes + 1);
    if (bytes.size() > maxCrosswordFileBytes) {
        ui.message(QStringLiteral("%1 was not imported: at more than %2 MB it is far larger "
                                  "than any crossword file.")
                       .arg(shownPath)
                       .arg(maxCrosswordFileBytes / (1024 * 1024)),
                   caption);
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        ui.message(QStringLiteral("%1 could not be read: %2").arg(shownPath, file.errorString()),
                   caption);
        return std::nullopt;
    }
    const ImportedFile read = readCrosswordBytes(bytes, path);
    if (!read.refusal.isEmpty()) {
        ui.message(QStringLiteral("%1 was not imported.\n\n%2").arg(shownPath, read.refusal),
                   caption);
        return std::nullopt;
    }
    return read.crossword;
}
