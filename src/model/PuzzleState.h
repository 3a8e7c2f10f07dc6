#pragma once

#include "ClueEntry.h"

#include <QString>
#include <QtGlobal>

#include <array>

// The crossword being edited, as every handler sees it. The names are the ones the
// handlers, the database columns and the print-outs all agree on.
namespace Capacity {
inline constexpr int maxGridSize = 30;
// One column and one row more than the largest grid; nothing ever indexes the last.
inline constexpr int letterTableSize = maxGridSize + 1;
inline constexpr int maxClues = 70;
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

    qint16 savedClueCount = 0;  // leading clueTable entries already in the database

    bool hasGrid() const { return xGridSize > 0 && yGridSize > 0; }
};
