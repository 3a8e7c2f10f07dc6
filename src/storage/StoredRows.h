#pragma once

#include <QString>
#include <QVariantList>
#include <QtGlobal>

#include <optional>

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

// The values of one row as the engine hands them over, in the order the queries select
// them: CrossID, GridX, GridY for a crossword; CluePos, Across, Clue, CluePosX, CluePosY,
// Answer for a clue. Each reader fills `row` and answers nothing, or answers the column
// of the first value that cannot stand for its field (a word, a fraction or nothing where
// a whole number belongs, nothing where a text does, or a missing value).
std::optional<int> readCrosswordRow(const QVariantList& values, StoredCrossword& row);
std::optional<int> readClueRow(const QVariantList& values, StoredClue& row);
