#pragma once

#include <QString>
#include <QtGlobal>

// Rows as the database holds them, before anything checks that the editor could have
// written them: the numbers are kept wide so that a damaged value is seen, not wrapped.
struct StoredCrossword {
    qint64 crossId = 0;
    QString name;
    qint64 gridX = 0;
    qint64 gridY = 0;
};

struct StoredClue {
    qint64 cluePos = 0;
    bool across = false;
    QString clue;
    qint64 cluePosX = 0;
    qint64 cluePosY = 0;
    QString answer;
};
