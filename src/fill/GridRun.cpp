#include "GridRun.h"

#include "model/ClueCells.h"
#include "model/PuzzleState.h"

#include <QRect>

QString gridRun(const PuzzleState& state, QPoint start, bool across)
{
    QString run;
    const QRect grid(0, 0, state.xGridSize, state.yGridSize);
    for (int k = 0;; ++k) {
        const QPoint cell = letterCell(start, across, k);
        if (!grid.contains(cell))
            return run;
        const QString& letter = state.gridLetters[cell.x()][cell.y()];
        run += letter.isEmpty() ? QStringLiteral("?") : letter;
    }
}
