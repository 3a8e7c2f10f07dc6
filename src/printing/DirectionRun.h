#pragma once

#include <QString>

// Clue texts and titles in a left-to-right line: a text that would be laid out right to
// left on its own (one starting in Hebrew or Arabic) goes between a first strong isolate
// and its pop, so that it keeps its own direction and moves nothing outside it, such as
// the clue's number.
namespace DirectionRun {

inline constexpr char16_t isolateStart = u'\u2068';
inline constexpr char16_t isolateEnd = u'\u2069';

// `text` isolated where it would be laid out right to left, else as it is.
QString ownDirectionRun(const QString& text);

// `text` without the isolates, which take no room on the line: what its width is.
QString withoutIsolates(QString text);

}  // namespace DirectionRun
