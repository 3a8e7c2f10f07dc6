#pragma once

#include <QList>
#include <QPointF>
#include <QStringList>

// One piece of the clue list as the puzzle page lays it out: a heading, or a clue's
// number with its text wrapped to the column.
struct ClueBlock {
    QString number;  // "" for a heading
    QStringList lines;
    qreal height = 0;  // millimetres, the space after it included
    bool heading = false;
};

// The columns clue blocks flow down, in millimetres: the first page's start below the
// grid, later pages' start at the top of the area, and the foot of every page.
struct ColumnFrame {
    qreal left = 0;
    qreal width = 0;  // of one column
    qreal gutter = 0;
    int columns = 1;
    qreal firstTop = 0;
    qreal top = 0;
    qreal bottom = 0;
};

struct PlacedBlock {
    int page = 0;  // 0 is the page with the grid
    QPointF topLeft;
};

// Where each block goes, column after column and page after page. A block is never
// split, and a heading is never left at the foot of a column without the clue after it.
QList<PlacedBlock> flowColumns(const QList<ClueBlock>& blocks, const ColumnFrame& frame);
