#include "StoredRows.h"

#include <QVariant>

#include <cmath>
#include <limits>

namespace {

std::optional<qint64> wholeNumber(double number)
{
    // 2^63 itself is past the largest qint64; every double below it converts exactly.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(number) || number != std::trunc(number) || number >= limit ||
        number < -limit)
        return std::nullopt;
    return qint64(number);
}

// Other programs store numbers as whole numbers, as reals (4.0) or as text ("1"); a value
// whose number is whole is one in any of them. Anything else (a fraction, a word, nothing
// at all) is a damaged row, never a number to be guessed at. A NULL may come typed as a
// number, and would otherwise read as 0.
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
        case QMetaType::Double:
            return wholeNumber(value.toDouble());
        case QMetaType::QString: {
            const QString text = value.toString().trimmed();
            bool ok = false;
            if (const qint64 number = text.toLongLong(&ok); ok)
                return number;
            const double real = text.toDouble(&ok);
            return ok ? wholeNumber(real) : std::nullopt;
        }
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
