#pragma once

class PrintDevice;
class Ui;
struct PuzzleState;

// The two one-page print-outs of the grid: black blocks, framed white letter cells and
// the clue numbers; the solution adds the letters. Neither changes the crossword.
void printBlankGrid(const PuzzleState& state, PrintDevice& device, Ui& ui);
void printSolutionGrid(const PuzzleState& state, PrintDevice& device, Ui& ui);
