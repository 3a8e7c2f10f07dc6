#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Splits one line into pieces no wider than `width` as `measure` sees them, breaking
// after blanks where it can and inside a word only when the word alone is too wide.
QStringList wrapLine(const QString& line, qreal width,
                     const std::function<qreal(const QString&)>& measure);
