#pragma once

#include <QString>
#include <QtGlobal>

// One placed clue. The field order is the order in which a stored clue row is read back.
struct ClueEntry {
    QString clue;    // trimmed, never empty once placed
    QString answer;  // letters A-Z only
    qint16 x = 0;    // column of the first letter
    qint16 y = 0;    // row of the first letter
    qint16 number = 0;
    bool across = false;  // true: letter k sits at (x + k, y); false: at (x, y + k)

    friend bool operator==(const ClueEntry&, const ClueEntry&) = default;
};
