#include "ClueColumns.h"

QList<PlacedBlock> flowColumns(const QList<ClueBlock>& blocks, const ColumnFrame& frame)
{
    QList<PlacedBlock> placed;
    int page = 0;
    int column = 0;
    qreal y = frame.firstTop;
    const auto columnTop = [&] { return page == 0 ? frame.firstTop : frame.top; };
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        qreal needed = blocks[i].height;
        if (blocks[i].heading && i + 1 < blocks.size())
            needed += blocks[i + 1].height;
        // A block taller than a whole column goes at the top of a page's column and runs
        // past its foot rather than being lost.
        while (y + needed > frame.bottom && y > frame.top) {
            if (++column == frame.columns) {
                column = 0;
                ++page;
            }
            y = columnTop();
        }
        placed.append({page, QPointF(frame.left + column * (frame.width + frame.gutter), y)});
        y += blocks[i].height;
    }
    return placed;
}
