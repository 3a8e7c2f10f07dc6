#pragma once

#include <QString>

namespace bench {

// The letters of an answer that starts on line `start` (a row for an across answer, a
// column for a down one): the letter of a cell depends only on column + row, so every
// across and every down answer made this way agree wherever they cross.
inline QString agreeingLetters(int start, int count)
{
    QString text;
    for (int k = 0; k < count; ++k)
        text += QChar(u'A' + (start + k) % 26);
    return text;
}

}  // namespace bench
