#pragma once

#include "ClueEntry.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <span>

// The crossword being edited, as every handler sees it. The names are the ones the
// handlers, the database columns and the print-outs all agree on.
namespace Capacity {
inline constexpr int maxGridSize = 30;
// One column and one row more than the largest grid; nothing ever indexes the last.
inline constexpr int letterTableSize = maxGridSize + 1;
// Three-digit numbers: the most a crossword of 30 x 30 cells could ever use, and what
// the print-outs leave room for.
inline constexpr int maxClues = 999;
inline constexpr int clueSlots = maxClues + 1;
}  // namespace Capacity

using LetterTable =
    std::array<std::array<QString, Capacity::letterTableSize>, Capacity::letterTableSize>;

struct PuzzleState {
    std::array<ClueEntry, Capacity::clueSlots> clueTable{};
    qint16 clueCount = 0;
    qint16 clueNumber = 0;  // highest number handed out so far
    QString crosswordTitle;
    bool crosswordStored = false;

    // What the clue dialog hands back to the placement.
    QString entryClue;
    QString entryAnswer;
    bool entryAcross = false;

    qint16 xGridSize = 0;  // 0 until a grid exists
    qint16 yGridSize = 0;
    qint16 cellWidth = 0;  // screen pixels
    qint16 cellHeight = 0;
    LetterTable gridLetters{};  // [column][row]: "" or one letter "A".."Z"

    // The storage state: the clue rows the database held for this crossword when it was
    // opened or last saved, and the CrosswordID row it was opened or first saved as (0
    // for none). Undoing a step never changes these: they describe the file, not the grid.
    qint16 savedClueCount = 0;
    qint16 storedCrossId = 0;

    bool hasGrid() const { return xGridSize > 0 && yGridSize > 0; }

    // The clues in use, in the order they were added. A count out of range never reaches
    // past the table.
    std::span<const ClueEntry> cluesInUse() const;
    std::span<ClueEntry> cluesInUse();

    // An empty crossword of `columns` x `rows`: no letters anywhere in the table, no
    // clues, no title and nothing stored. New starts here and Open fills it, so nothing of
    // the last crossword survives either. The screen's cell size and the dialog's
    // hand-over fields are not the crossword's and stay.
    void reset(qint16 columns, qint16 rows);

    // Files a clue that has its number: its answer lettered into the grid over whatever the
    // cells held, the clue appended to the table, its number counted in `clueNumber`. The
    // caller has checked that it fits the grid and that the table has room.
    void fileClue(const ClueEntry& clue);

    // Letters the grid afresh from the clues in use, in table order, so that where answers
    // share a cell the later one decides, as when a stored crossword is opened.
    void reletter();
};
