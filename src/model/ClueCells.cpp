#include "ClueCells.h"

QList<QPoint> clueCells(const ClueEntry& clue)
{
    QList<QPoint> cells;
    cells.reserve(clue.answer.size());
    for (int k = 0; k < clue.answer.size(); ++k)
        cells.append(letterCell(clue, k));
    return cells;
}

void writeAnswer(LetterTable& letters, const ClueEntry& clue)
{
    for (int k = 0; k < clue.answer.size(); ++k) {
        const QPoint cell = letterCell(clue, k);
        letters[cell.x()][cell.y()] = clue.answer.at(k);
    }
}
