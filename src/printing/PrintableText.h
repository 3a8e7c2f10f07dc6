#pragma once

#include <QString>
#include <QStringList>

class Ui;

// The characters of `text` that would leave gaps on paper in the print-outs' font, each
// once and in order: those no installed font has, and those only a font without outlines
// (a colour emoji font) draws.
QString unprintableCharacters(const QString& text);

// Before a print-out: names each of `texts` that holds such characters and asks whether to
// print anyway. True when none does or the setter agrees. `heading` says what the texts
// are ("These clues hold").
bool printDespiteGaps(Ui& ui, const QString& heading, const QStringList& texts);
