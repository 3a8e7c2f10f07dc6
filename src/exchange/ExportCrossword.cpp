#include "ExportCrossword.h"

#include "ExportChecks.h"
#include "FileFilters.h"
#include "IpuzWriter.h"
#include "PuzWriter.h"
#include "common/TitlePrompt.h"
#include "common/WholeFile.h"
#include "seams/Ui.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The title without what a file name cannot hold or would hide, "Crossword" when that
// leaves nothing, with the first type's ending: a title's own dots ("No. 1") would
// otherwise be taken for one, and the dialog would swap the title's end for the type's.
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
    return (name.isEmpty() ? QStringLiteral("Crossword") : name) + QStringLiteral(".ipuz");
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
        ui.chooseSaveFile(caption, proposedFileName(title), {FileFilters::ipuz, FileFilters::puz});
    if (choice.path.isEmpty())
        return;

    QString path = choice.path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool puz = suffix == QLatin1String("puz") ||
                     (suffix != QLatin1String("ipuz") && choice.filter == FileFilters::puz);
    if (suffix != QLatin1String("puz") && suffix != QLatin1String("ipuz"))
        path += puz ? QStringLiteral(".puz") : QStringLiteral(".ipuz");
    const QString shownPath = QDir::toNativeSeparators(path);

    const ExportedFile file = puz ? puzFile(state, title) : ipuzFile(state, title);
    if (!file.refusal.isEmpty()) {
        ui.message(QStringLiteral("%1 was not written.\n\n%2").arg(shownPath, file.refusal),
                   caption);
        return;
    }
    if (const QString reason = writeWholeFile(path, file.bytes); !reason.isEmpty()) {
        ui.message(QStringLiteral("%1 could not be written: %2").arg(shownPath, reason), caption);
    }
}
