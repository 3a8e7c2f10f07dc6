#include "FuzzCheck.h"
#include "editing/CluePlacement.h"
#include "exchange/ImportedFile.h"
#include "exchange/ReadCrosswordFile.h"
#include "model/ClueCells.h"
#include "model/PuzzleState.h"

// Built twice, as the .ipuz target and as the .puz target (FUZZ_PUZ). Any bytes as a file
// of that kind: refused in words, or a crossword a crossword here can hold: a grid a
// crossword may have, no more clues than it holds, answers of A-Z whose every cell lies in
// the grid, and clues that the placement either files whole or refuses leaving the
// crossword as it was.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ImportedFile read =
        readCrosswordBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                           FUZZ_PUZ ? QStringLiteral("fuzz.puz") : QStringLiteral("fuzz.ipuz"));
    if (!read.refusal.isEmpty())
        return 0;
    const ImportedCrossword& crossword = read.crossword;
    FUZZ_CHECK(crossword.columns >= 1 && crossword.columns <= Capacity::maxGridSize);
    FUZZ_CHECK(crossword.rows >= 1 && crossword.rows <= Capacity::maxGridSize);
    FUZZ_CHECK(crossword.clues.size() <= Capacity::maxClues);
    static PuzzleState state;
    state.reset(qint16(crossword.columns), qint16(crossword.rows));
    for (const ImportedClue& clue : crossword.clues) {
        FUZZ_CHECK(!clue.answer.isEmpty());
        for (int k = 0; k < clue.answer.size(); ++k) {
            const QPoint cell = letterCell(clue.start, clue.across, k);
            FUZZ_CHECK(clue.answer.at(k) >= u'A' && clue.answer.at(k) <= u'Z');
            FUZZ_CHECK(cell.x() >= 0 && cell.y() >= 0 && cell.x() < crossword.columns &&
                       cell.y() < crossword.rows);
        }
        const int before = state.clueCount;
        const bool placed = !placeEntry(state, clue.text, clue.answer, clue.start, clue.across);
        FUZZ_CHECK(state.clueCount == before + (placed ? 1 : 0));
    }
    return 0;
}
