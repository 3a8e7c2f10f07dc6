#pragma once

#include "WordIndex.h"

#include <QByteArrayView>

// What one list's text held.
struct ListLines {
    qsizetype words = 0;
    qsizetype skipped = 0;  // lines that are not a word, or whose score is not 0..100
};

// Reads a list, UTF-8, one word a line, or `WORD;SCORE` with SCORE a whole number from 0
// to 100. Words are normalised as typed answers are; blank lines are passed over, and
// possessives ("lioness's") are skipped.
ListLines readWordList(QByteArrayView text, WordIndex::Builder& builder);
