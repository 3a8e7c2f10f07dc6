#include "CrosswordCheck.h"

#include "EntryRuns.h"
#include "ExportChecks.h"
#include "model/ClueCells.h"
#include "model/PuzzleState.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <map>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CrosswordCheck", text);
}

QString cellName(QPoint cell)
{
    return tr("row %1, column %2").arg(cell.y() + 1).arg(cell.x() + 1);
}

bool inGrid(const PuzzleState& state, QPoint cell)
{
    return cell.x() >= 0 && cell.y() >= 0 && cell.x() < state.xGridSize &&
           cell.y() < state.yGridSize && cell.x() < Capacity::maxGridSize &&
           cell.y() < Capacity::maxGridSize;
}

// The cells of the clue's answer that lie in the grid.
QList<QPoint> cellsOf(const PuzzleState& state, const ClueEntry& clue)
{
    QList<QPoint> cells = clueCells(clue);
    cells.removeIf([&](QPoint cell) { return !inGrid(state, cell); });
    return cells;
}

QString runName(const EntryRun& run)
{
    const QPoint last = letterCell(QPoint(run.column, run.row), run.across, run.length - 1);
    return run.across ? tr("Row %1, columns %2 to %3")
                            .arg(run.row + 1)
                            .arg(run.column + 1)
                            .arg(last.x() + 1)
                      : tr("Column %1, rows %2 to %3")
                            .arg(run.column + 1)
                            .arg(run.row + 1)
                            .arg(last.y() + 1);
}

void checkRuns(const PuzzleState& state, QList<CheckFinding>& findings)
{
    const std::span<const ClueEntry> clues = state.cluesInUse();
    for (const EntryRun& run : entryRuns(state)) {
        const bool answered = std::any_of(clues.begin(), clues.end(), [&](const ClueEntry& c) {
            return c.x == run.column && c.y == run.row && c.across == run.across &&
                   c.answer.size() == run.length;
        });
        if (answered)
            continue;
        QList<QPoint> cells;
        for (int k = 0; k < run.length; ++k)
            cells << letterCell(QPoint(run.column, run.row), run.across, k);
        findings.append({tr("%1 read %2, which is no clue's answer.")
                             .arg(runName(run),
                                  lettersFrom(state, run.column, run.row, run.across, run.length)),
                         cells});
    }
}

void checkCrossings(const PuzzleState& state, QList<CheckFinding>& findings)
{
    QSet<QPoint> acrossCells;
    QSet<QPoint> downCells;
    QSet<QPoint> answered;
    for (const ClueEntry& clue : state.cluesInUse()) {
        for (const QPoint cell : cellsOf(state, clue)) {
            (clue.across ? acrossCells : downCells).insert(cell);
            answered.insert(cell);
        }
    }
    for (const ClueEntry& clue : state.cluesInUse()) {
        const QList<QPoint> cells = cellsOf(state, clue);
        const QSet<QPoint>& other = clue.across ? downCells : acrossCells;
        if (std::none_of(cells.begin(), cells.end(),
                         [&](QPoint cell) { return other.contains(cell); }))
            findings.append({tr("%1 crosses no other answer.").arg(clueName(clue)), cells});
    }
    for (int c = 0; c < std::min(int(state.xGridSize), Capacity::maxGridSize); ++c) {
        for (int r = 0; r < std::min(int(state.yGridSize), Capacity::maxGridSize); ++r) {
            const QString& letter = state.gridLetters[c][r];
            if (!letter.isEmpty() && !answered.contains(QPoint(c, r)))
                findings.append({tr("The letter %1 in %2 belongs to no answer.")
                                     .arg(letter, cellName(QPoint(c, r))),
                                 {QPoint(c, r)}});
        }
    }
}

// Pairs of clues that share their answer, or their text as a reader sees it.
void checkTwins(const PuzzleState& state, QList<CheckFinding>& findings)
{
    const std::span<const ClueEntry> clues = state.cluesInUse();
    const auto sameText = [](const ClueEntry& a, const ClueEntry& b) {
        return a.clue.simplified().compare(b.clue.simplified(), Qt::CaseInsensitive) == 0;
    };
    for (size_t i = 0; i < clues.size(); ++i) {
        for (size_t j = i + 1; j < clues.size(); ++j) {
            const QList<QPoint> cells = cellsOf(state, clues[i]) + cellsOf(state, clues[j]);
            if (clues[i].answer == clues[j].answer)
                findings.append({tr("%1 and %2 have the same answer, %3.")
                                     .arg(clueName(clues[i]), clueName(clues[j]), clues[i].answer),
                                 cells});
            if (sameText(clues[i], clues[j]))
                findings.append({tr("%1 and %2 have the same clue.")
                                     .arg(clueName(clues[i]), clueName(clues[j])),
                                 cells});
        }
    }
}

void checkCharacters(const PuzzleState& state, QList<CheckFinding>& findings)
{
    const QString cannot = tr("%1 has the character %2, which a .puz file cannot hold.");
    if (const auto character = firstNonLatin1(state.crosswordTitle))
        findings.append({cannot.arg(tr("The title"), *character), {}});
    for (const ClueEntry& clue : state.cluesInUse()) {
        if (const auto character = firstNonLatin1(clue.clue))
            findings.append({cannot.arg(clueName(clue), *character), cellsOf(state, clue)});
    }
}

QStringList summary(const PuzzleState& state)
{
    int across = 0;
    std::map<qsizetype, int> lengths;
    for (const ClueEntry& clue : state.cluesInUse()) {
        across += clue.across ? 1 : 0;
        ++lengths[clue.answer.size()];
    }
    const int down = int(state.cluesInUse().size()) - across;
    int letters = 0;
    const int columns = std::clamp(int(state.xGridSize), 0, Capacity::maxGridSize);
    const int rows = std::clamp(int(state.yGridSize), 0, Capacity::maxGridSize);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r)
            letters += state.gridLetters[c][r].isEmpty() ? 0 : 1;
    }
    QStringList counts;
    for (const auto& [length, count] : lengths)
        counts << tr("%1 letters: %2").arg(length).arg(count);
    return {tr("Grid: %1 x %2").arg(columns).arg(rows),
            tr("Clues: %1 across, %2 down").arg(across).arg(down),
            tr("Letters: %1 of %2 cells").arg(letters).arg(columns * rows),
            tr("Answer lengths: %1").arg(counts.isEmpty() ? tr("none") : counts.join(", "))};
}

}  // namespace

CrosswordCheckReport checkCrossword(const PuzzleState& state)
{
    CrosswordCheckReport report;
    checkRuns(state, report.findings);
    checkCrossings(state, report.findings);
    checkTwins(state, report.findings);
    checkCharacters(state, report.findings);
    report.summary = summary(state);
    return report;
}
