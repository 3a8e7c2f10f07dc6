#pragma once

#include <QString>

class PrintDevice;
class Ui;

// Prints the title line and then the listing in Arial 10 from 25 mm down. A listing
// longer than the page goes on over further pages, and a line wider than the page
// wraps at a blank. The title prompt proposes `ownTitle`, the crossword's, where it has one.
void printClueList(const QString& listing, PrintDevice& device, Ui& ui,
                   const QString& ownTitle = {});
