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
        const qsizetype firstCharacter = characters.toNextBoundary();
        qsizetype fitting = 0;
        for (qsizetype end = firstCharacter; end > 0 && measure(rest.left(end)) <= width;
             end = characters.toNextBoundary())
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
