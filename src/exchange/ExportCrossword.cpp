#include "ExportCrossword.h"

#include "ExportChecks.h"
#include "IpuzWriter.h"
#include "PuzWriter.h"
#include "common/TitlePrompt.h"
#include "seams/Ui.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString ipuzFilter = QStringLiteral(".ipuz crossword (*.ipuz)");
const QString puzFilter = QStringLiteral(".puz crossword (*.puz)");

// The title without what a file name cannot hold or would hide, "Crossword" when that
// leaves nothing. It has no ending: the type chosen in the dialog gives it one.
QString proposedFileName(const QString& title)
{
    QString name;
    for (const QChar character : title) {
        const bool unsafe = character.category() == QChar::Other_Control ||
                            QStringLiteral("/\\:*?\"<>|").contains(character);
        name += unsafe ? QChar(u' ') : character;
    }
    name = name.simplified();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("Crossword") : name;
}

// Written beside the target and renamed over it, so a failure leaves any earlier file of
// that name as it was. QSaveFile::write only fills a buffer, and Qt 6.4 commits even when
// that buffer never reached the disk: every step is checked before the commit. The reason
// when a step failed, else "".
QString writeBeside(const QString& path, const QByteArray& bytes)
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

}  // namespace

void exportCrossword(const PuzzleState& state, Ui& ui)
{
    const QString caption = QStringLiteral("Export Crossword");
    if (!state.hasGrid())
        return;
    // Told before any question is asked, since no choice of file could change it.
    if (const QString refusal = commonRefusal(state); !refusal.isEmpty()) {
        ui.message(refusal, caption);
        return;
    }

    const QString title =
        state.crosswordTitle.isEmpty() ? askCrosswordTitle(ui) : state.crosswordTitle;
    const SaveFileChoice choice =
        ui.chooseSaveFile(caption, proposedFileName(title), {ipuzFilter, puzFilter});
    if (choice.path.isEmpty())
        return;

    QString path = choice.path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool puz = suffix == QLatin1String("puz") ||
                     (suffix != QLatin1String("ipuz") && choice.filter == puzFilter);
    if (suffix != QLatin1String("puz") && suffix != QLatin1String("ipuz"))
        path += puz ? QStringLiteral(".puz") : QStringLiteral(".ipuz");
    const QString shownPath = QDir::toNativeSeparators(path);

    const ExportedFile file = puz ? puzFile(state, title) : ipuzFile(state, title);
    if (!file.refusal.isEmpty()) {
        ui.message(QStringLiteral("%1 was not written.\n\n%2").arg(shownPath, file.refusal),
                   caption);
        return;
    }
    if (const QString reason = writeBeside(path, file.bytes); !reason.isEmpty()) {
        ui.message(QStringLiteral("%1 could not be written: %2").arg(shownPath, reason), caption);
    }
}
