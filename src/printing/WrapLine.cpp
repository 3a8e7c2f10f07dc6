#include "WrapLine.h"

QStringList wrapLine(const QString& line, qreal width,
                     const std::function<qreal(const QString&)>& measure)
{
    QStringList pieces;
    QString rest = line;
    while (measure(rest) > width) {
        // The longest head that fits, ending after a blank if there is one in it.
        qsizetype fitting = 0;
        while (fitting < rest.size() && measure(rest.left(fitting + 1)) <= width)
            ++fitting;
        const qsizetype blank = rest.lastIndexOf(u' ', fitting);
        const qsizetype cut = blank > 0 ? blank + 1 : std::max<qsizetype>(fitting, 1);
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
