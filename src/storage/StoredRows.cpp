#include "StoredRows.h"

#include <QVariant>

#include <limits>

namespace {

// Integer columns come back as integers; anything else in one (text, a fraction,
// nothing at all) is a damaged row, never a number to be guessed at. A NULL may come
// typed as a number, and would otherwise read as 0.
std::optional<qint64> wholeNumber(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
            return value.toLongLong();
        case QMetaType::ULongLong:
            // Past the signed range it would wrap round to a negative number.
            if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
                return std::nullopt;
            return value.toLongLong();
        default:
            return std::nullopt;
    }
}

std::optional<QString> text(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toString();
}

}  // namespace

std::optional<int> readCrosswordRow(const QVariantList& values, StoredCrossword& row)
{
    qint64* targets[] = {&row.crossId, &row.gridX, &row.gridY};
    for (int column = 0; column < 3; ++column) {
        const auto number = wholeNumber(values.value(column));
        if (!number)
            return column;
        *targets[column] = *number;
    }
    return std::nullopt;
}

std::optional<int> readClueRow(const QVariantList& values, StoredClue& row)
{
    const auto cluePos = wholeNumber(values.value(0));
    if (!cluePos)
        return 0;
    const auto across = wholeNumber(values.value(1));
    if (!across)
        return 1;
    const auto clue = text(values.value(2));
    if (!clue)
        return 2;
    const auto x = wholeNumber(values.value(3));
    if (!x)
        return 3;
    const auto y = wholeNumber(values.value(4));
    if (!y)
        return 4;
    const auto answer = text(values.value(5));
    if (!answer)
        return 5;
    row.cluePos = *cluePos;
    row.across = *across != 0;
    row.clue = *clue;
    row.cluePosX = *x;
    row.cluePosY = *y;
    row.answer = *answer;
    return std::nullopt;
}
