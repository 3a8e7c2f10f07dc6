#pragma once

class PrintDevice;
class Ui;
struct PuzzleState;

// The pages a setter sends out, kept 15 mm from the paper's edge on any printer: the
// puzzle page (the title, the blank numbered grid with square cells centred across the
// page, and the clues with their enumerations in columns under it, going on over further
// pages only when they must) and the solution page (the grid with its letters). Both ask
// for the title as the other print-outs do, proposing the crossword's own.
void printPuzzlePage(const PuzzleState& state, PrintDevice& device, Ui& ui);
void printSolutionPage(const PuzzleState& state, PrintDevice& device, Ui& ui);
