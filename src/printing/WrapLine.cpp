#include "WrapLine.h"

#include <QTextBoundaryFinder>

QStringList wrapLine(const QString& line, qreal width,
                     const std::function<qreal(const QString&)>& measure)
{
    QStringList pieces;
    QString rest = line;
    while (measure(rest) > width) {
        // The longest head of whole characters that fits, ending after a blank if there is
        // one in it. A character is never cut: its halves, or a letter without its accent,
        // would print as something else.
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, rest);
        const auto nextCharacterEnd = [&] {
            qsizetype end = characters.toNextBoundary();
            // Qt 6.4 tailors the breaks of some scripts (Bengali, say) and can then put
            // one between the two halves of a character elsewhere in the line.
            while (end > 0 && end < rest.size() && rest.at(end).isLowSurrogate())
                end = characters.toNextBoundary();
            return end;
        };
        const qsizetype firstCharacter = nextCharacterEnd();
        qsizetype fitting = 0;
        for (qsizetype end = firstCharacter; end > 0 && measure(rest.left(end)) <= width;
             end = nextCharacterEnd())
            fitting = end;
        const qsizetype blank = rest.lastIndexOf(u' ', fitting);
        const qsizetype cut = blank > 0 ? blank + 1 : fitting > 0 ? fitting : firstCharacter;
        QString piece = rest.left(cut);
        while (piece.endsWith(u' '))
            piece.chop(1);
        pieces << piece;
        rest = rest.mid(cut);
        if (rest.trimmed().isEmpty())
            return pieces;
    }
    pieces << rest;
    return pieces;
}
