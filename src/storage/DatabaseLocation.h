#pragma once

#include <QString>

class Ui;

// Asks at start-up which file holds the crosswords. A cancelled dialog means
// "xword.mdb" in the current folder. The file is not touched here.
QString locateDatabase(Ui& ui);
