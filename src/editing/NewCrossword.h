#pragma once

class Surface;
class Ui;
struct PuzzleState;

// Asks for the grid's columns and rows until both are valid, then discards the
// crossword in memory without asking, draws the empty grid fitted to the surface and
// enables saving and printing. True when the new grid replaced the crossword.
bool newCrossword(PuzzleState& state, Surface& surface, Ui& ui);
