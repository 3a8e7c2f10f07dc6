#pragma once

#include <QStringList>

class Ui;
struct PuzzleState;

// Exports the grid as a picture for the web or for desktop publishing: blank with its
// numbers or with the solution, as SVG or PNG, as wide in pixels as the user asks, drawn
// as the puzzle and solution pages draw it. The file is written whole or not at all;
// nothing in the crossword changes.
void exportGridPicture(const PuzzleState& state, Ui& ui);

// What the save dialog offers, in order: the blank grid as SVG, the solution as SVG, the
// blank grid as PNG, the solution as PNG.
const QStringList& gridPictureFilters();
