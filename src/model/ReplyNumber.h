#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Reads a typed reply the way the grid-size prompts do: blanks anywhere are ignored, a
// decimal number is read from the start until a character cannot continue it, and the
// value is rounded down. A reply without a leading number reads as 0. A value that does
// not fit a 16-bit integer gives no value at all.
std::optional<qint16> readReplyNumber(const QString& reply);
