#include "IpuzWriter.h"

#include "EntryRuns.h"
#include "ExportChecks.h"
#include "model/ClueCells.h"
#include "model/ClueNumbers.h"
#include "model/ClueOrder.h"
#include "model/ProgramInfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString block = QStringLiteral("#");

QJsonValue ipuzClue(const PuzzleState& state, const ClueEntry& clue)
{
    // The screen shows one number in a cell where several clues start: the file uses it.
    const int number = firstClueNumberAt(state, clue.x, clue.y).value_or(clue.number);
    if (fillsItsRun(state, clue))
        return QJsonArray{number, clue.clue};
    QJsonArray cells;
    // ipuz counts columns and rows from 1.
    for (const QPoint cell : clueCells(clue))
        cells.append(QJsonArray{cell.x() + 1, cell.y() + 1});
    return QJsonObject{{QStringLiteral("number"), number},
                       {QStringLiteral("clue"), clue.clue},
                       {QStringLiteral("cells"), cells}};
}

}  // namespace

ExportedFile ipuzFile(const PuzzleState& state, const QString& title)
{
    if (const QString refusal = commonRefusal(state); !refusal.isEmpty())
        return {{}, refusal};

    QJsonArray puzzle;
    QJsonArray solution;
    for (int row = 0; row < state.yGridSize; ++row) {
        QJsonArray puzzleRow;
        QJsonArray solutionRow;
        for (int column = 0; column < state.xGridSize; ++column) {
            const QString letter = letterAt(state, column, row);
            if (letter.isEmpty()) {
                puzzleRow.append(block);
                solutionRow.append(block);
            } else {
                puzzleRow.append(firstClueNumberAt(state, column, row).value_or(0));
                solutionRow.append(letter);
            }
        }
        puzzle.append(puzzleRow);
        solution.append(solutionRow);
    }

    ClueTable sorted{};
    const int count = sortClues(state, sorted);
    QJsonArray across;
    QJsonArray down;
    for (int i = 0; i < count; ++i)
        (sorted[i].across ? across : down).append(ipuzClue(state, sorted[i]));

    const QJsonObject root{
        {QStringLiteral("version"), QStringLiteral("http://ipuz.org/v2")},
        {QStringLiteral("kind"), QJsonArray{QStringLiteral("http://ipuz.org/crossword#1")}},
        {QStringLiteral("dimensions"), QJsonObject{{QStringLiteral("width"), state.xGridSize},
                                                   {QStringLiteral("height"), state.yGridSize}}},
        {QStringLiteral("title"), title},
        {QStringLiteral("puzzle"), puzzle},
        {QStringLiteral("solution"), solution},
        {QStringLiteral("clues"),
         QJsonObject{{QStringLiteral("Across"), across}, {QStringLiteral("Down"), down}}},
        {QStringLiteral("origin"), ProgramInfo::name + u' ' + ProgramInfo::version},
    };
    return {QJsonDocument(root).toJson(QJsonDocument::Indented), {}};
}
