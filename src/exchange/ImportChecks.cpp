#include "ImportChecks.h"

#include "model/ClueCells.h"
#include "model/PuzzleState.h"

#include <QSet>

#include <algorithm>

QString cellName(QPoint cell)
{
    return QStringLiteral("row %1, column %2").arg(cell.y() + 1).arg(cell.x() + 1);
}

std::optional<QChar> solutionLetter(const QString& cell)
{
    QString letters;
    for (const QChar character : cell.normalized(QString::NormalizationForm_D)) {
        if (character.category() != QChar::Mark_NonSpacing)
            letters += character;
    }
    if (letters.size() != 1)
        return std::nullopt;
    const QChar letter = letters.at(0).toUpper();
    if (letter < u'A' || letter > u'Z')
        return std::nullopt;
    return letter;
}

QString gridSizeRefusal(qint64 columns, qint64 rows)
{
    if (columns < 1 || rows < 1)
        return QStringLiteral("The file's grid has no cells (%1 x %2).").arg(columns).arg(rows);
    if (columns > Capacity::maxGridSize || rows > Capacity::maxGridSize) {
        return QStringLiteral("The grid is %1 x %2 cells; a crossword here has at most %3 x %3.")
            .arg(columns)
            .arg(rows)
            .arg(Capacity::maxGridSize);
    }
    return {};
}

QString clueCountRefusal(qint64 count)
{
    if (count <= Capacity::maxClues)
        return {};
    return QStringLiteral("The file has %1 clues; a crossword here holds at most %2.")
        .arg(count)
        .arg(Capacity::maxClues);
}

QString importedClueName(const ImportedClue& clue)
{
    return QStringLiteral("%1 %2 (\"%3\")")
        .arg(clue.number)
        .arg(clue.across ? QStringLiteral("across") : QStringLiteral("down"), clue.text);
}

QString finishImport(ImportedCrossword& crossword, const QList<QString>& letters)
{
    if (const QString refusal = clueCountRefusal(crossword.clues.size()); !refusal.isEmpty())
        return refusal;
    std::stable_sort(crossword.clues.begin(), crossword.clues.end(),
                     [](const ImportedClue& a, const ImportedClue& b) {
                         return a.number != b.number ? a.number < b.number : a.across && !b.across;
                     });
    QSet<QPoint> covered;
    QHash<QPoint, const ImportedClue*> starts[2];
    for (const ImportedClue& clue : crossword.clues) {
        const ImportedClue* earlier = starts[clue.across].value(clue.start);
        if (earlier) {
            return QStringLiteral(
                       "Clues %1 and %2 both start in %3 and go the same way; a "
                       "crossword holds one clue each way from a cell.")
                .arg(importedClueName(*earlier), importedClueName(clue), cellName(clue.start));
        }
        starts[clue.across].insert(clue.start, &clue);
        for (int k = 0; k < clue.answer.size(); ++k)
            covered.insert(letterCell(clue.start, clue.across, k));
    }
    int unclued = 0;
    for (int row = 0; row < letters.size(); ++row) {
        for (int column = 0; column < letters[row].size(); ++column) {
            if (letters[row][column] != u' ' && !covered.contains(QPoint(column, row)))
                ++unclued;
        }
    }
    if (unclued > 0) {
        crossword.leftOut << (unclued == 1 ? QStringLiteral("the letter of 1 cell no clue covers")
                                           : QStringLiteral("the letters of %1 cells no clue "
                                                            "covers")
                                                 .arg(unclued));
    }
    return {};
}
