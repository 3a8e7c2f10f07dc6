#include "exchange/IpuzWriter.h"
#include "PlacedCrossword.h"
#include "ReadBack.h"

#include <cstdint>

namespace {

bool twoCluesOneWayFromACell(const PuzzleState& state)
{
    for (int i = 0; i < state.clueCount; ++i) {
        for (int j = 0; j < i; ++j) {
            const ClueEntry& a = state.clueTable[i];
            const ClueEntry& b = state.clueTable[j];
            if (a.x == b.x && a.y == b.y && a.across == b.across)
                return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PlacedCrossword::start();
    ReadBack::reader();
    return 0;
}

// Any crossword the placement lets a person make, with any title: the file is refused
// only when it has no clues or two go the same way from one cell, and a written file
// reads back with the size, grid, numbers, clue texts and their cells the crossword has.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString title = PlacedCrossword::text(in, 40);
    const PuzzleState& state = PlacedCrossword::build(in);
    const ExportedFile file = ipuzFile(state, title);
    FUZZ_CHECK(ReadBack::refused(file) ==
               (state.clueCount == 0 || twoCluesOneWayFromACell(state)));
    if (file.bytes.isEmpty())
        return 0;
    int withCells = 0;
    ReadBack::require(CrosswordReader::ipuzMismatch(ReadBack::seen(file, "crossword.ipuz"), state,
                                                    title, withCells));
    return 0;
}
