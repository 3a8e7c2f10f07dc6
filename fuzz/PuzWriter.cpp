#include "exchange/PuzWriter.h"
#include "PlacedCrossword.h"
#include "ReadBack.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PlacedCrossword::start();
    ReadBack::reader();
    return 0;
}

// Any crossword the placement lets a person make, with any title: a refusal says why and
// writes nothing, and a written file reads back with the size, grid, clue texts under
// the reader's own numbers, and every clue once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString title = PlacedCrossword::text(in, 40);
    const PuzzleState& state = PlacedCrossword::build(in);
    const ExportedFile file = puzFile(state, title);
    if (ReadBack::refused(file))
        return 0;
    ReadBack::require(
        CrosswordReader::puzMismatch(ReadBack::seen(file, "crossword.puz"), state, title));
    return 0;
}
