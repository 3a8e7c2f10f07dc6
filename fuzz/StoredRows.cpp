#include "storage/StoredRows.h"
#include "FuzzCheck.h"
#include "model/ClueCells.h"
#include "model/ClueNumbers.h"
#include "model/PuzzleState.h"
#include "storage/OpenCrossword.h"

#include <QVariant>

#include <functional>

namespace {

// A field value as a foreign or damaged file could hand it over: nothing, NULLs of any
// type, numbers of every width, fractions, texts and bytes.
QVariant strangeValue(FuzzedDataProvider& in)
{
    const std::function<QVariant()> kinds[] = {
        [] { return QVariant(); },
        [] { return QVariant(QMetaType::fromType<qlonglong>()); },
        [] { return QVariant(QMetaType::fromType<QString>()); },
        [&] { return in.ConsumeIntegral<qlonglong>(); },
        [&] { return in.ConsumeIntegral<int>(); },
        [&] { return in.ConsumeIntegral<qulonglong>(); },
        [&] { return in.ConsumeFloatingPoint<double>(); },
        [&] { return QString::fromStdString(in.ConsumeRandomLengthString(12)); },
        [&] { return QByteArray::fromStdString(in.ConsumeRandomLengthString(8)); },
    };
    return kinds[in.ConsumeIntegralInRange(0, 8)]();
}

const auto smallNumber = [](FuzzedDataProvider& in) -> QVariant {
    return qlonglong(in.ConsumeIntegralInRange(-1, 32));
};

QVariant answer(FuzzedDataProvider& in)
{
    QString letters;
    for (int n = in.ConsumeIntegralInRange(1, 8); n > 0; --n)
        letters += QChar(u'A' + in.ConsumeIntegralInRange(0, 25));
    return letters;
}

const auto clueText = [](FuzzedDataProvider& in) -> QVariant {
    return QString::fromStdString(in.ConsumeRandomLengthString(20));
};

// Mostly values the editor could have stored, so that whole crosswords load, and now and
// then a strange one, a value missing or one too many.
QVariantList row(FuzzedDataProvider& in, const QList<QVariant (*)(FuzzedDataProvider&)>& fields)
{
    QVariantList values;
    const qsizetype count = in.ConsumeIntegralInRange(0, 31) == 0
                                ? in.ConsumeIntegralInRange<qsizetype>(0, 7)
                                : fields.size();
    for (qsizetype i = 0; i < count; ++i) {
        const bool strange = in.ConsumeIntegralInRange(0, 15) == 0 || i >= fields.size();
        values << (strange ? strangeValue(in) : fields.at(i)(in));
    }
    return values;
}

}  // namespace

// Stored rows with arbitrary values go through the readers and the check into the
// model: a row the readers refuse names one of its fields, and a crossword either loads
// whole into a model the editor could have made, or is refused with a reason and the
// model in memory stays as it was.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    StoredCrossword crossword;
    crossword.name = QStringLiteral("Fuzzed");
    const QVariantList crosswordValues = row(in, {smallNumber, smallNumber, smallNumber});
    if (const auto column = readCrosswordRow(crosswordValues, crossword)) {
        FUZZ_CHECK(*column >= 0 && *column < 3);
        return 0;
    }

    QList<StoredClue> clues;
    for (int n = in.ConsumeIntegralInRange(0, Capacity::maxClues + 2); n > 0; --n) {
        const QVariantList values =
            row(in, {smallNumber, smallNumber, clueText, smallNumber, smallNumber, answer});
        StoredClue clue;
        if (const auto column = readClueRow(values, clue)) {
            FUZZ_CHECK(*column >= 0 && *column < 6);
            return 0;
        }
        clues << clue;
    }

    // What was open before: a full-size crossword whose letters fill the whole table.
    static const PuzzleState before = [] {
        PuzzleState state;
        state.xGridSize = state.yGridSize = Capacity::maxGridSize;
        for (auto& column : state.gridLetters)
            column.fill(QStringLiteral("Q"));
        state.clueTable[0] = {QStringLiteral("Old"), QStringLiteral("QQ"), 0, 0, 1, true};
        state.clueCount = state.clueNumber = 1;
        return state;
    }();
    PuzzleState loaded = before;
    const Result<Done> made = loadCrossword(loaded, crossword, clues);
    if (!made.ok()) {
        const auto held = [](const PuzzleState& state) {
            return std::tie(state.clueTable, state.clueCount, state.clueNumber, state.xGridSize,
                            state.yGridSize, state.gridLetters);
        };
        FUZZ_CHECK(!made.error().isEmpty() && held(loaded) == held(before));
        return 0;
    }
    FUZZ_CHECK(loaded.clueCount == clues.size() && loaded.xGridSize >= 1 &&
               loaded.yGridSize >= 1 && loaded.xGridSize <= Capacity::maxGridSize &&
               loaded.yGridSize <= Capacity::maxGridSize);
    qint16 highest = 0;
    for (const ClueEntry& entry : loaded.cluesInUse()) {
        highest = std::max(highest, entry.number);
        // The answer's cells lie in a line, so they are in the grid when both ends are.
        const QPoint last = letterCell(entry, int(entry.answer.size()) - 1);
        FUZZ_CHECK(entry.number >= 1 && !entry.answer.isEmpty() && entry.x >= 0 && entry.y >= 0 &&
                   last.x() < loaded.xGridSize && last.y() < loaded.yGridSize);
    }
    FUZZ_CHECK(loaded.clueNumber == highest);
    for (int c = 0; c < Capacity::letterTableSize; ++c) {
        for (int r = 0; r < Capacity::letterTableSize; ++r) {
            const QString& letter = loaded.gridLetters[c][r];
            const bool inside = c < loaded.xGridSize && r < loaded.yGridSize;
            FUZZ_CHECK(letter.isEmpty() ||
                       (inside && letter.size() == 1 && letter[0] >= u'A' && letter[0] <= u'Z'));
            if (inside)
                firstClueNumberAt(loaded, c, r);
        }
    }
    return 0;
}
