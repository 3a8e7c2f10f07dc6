#pragma once

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

// Reads a PDF back the way a person would look at it: its words through pdftotext and
// its pages as pictures through pdftoppm. Both come with poppler-utils.
namespace PdfReading {

inline QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

inline bool toolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The text of all pages in reading order; each page ends in a form feed.
inline QString text(const QString& pdf)
{
    return QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"}));
}

// Sorted: pdftotext lays the small numbers out on lines of their own.
inline QStringList sortedWords(const QString& pdf)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words = text(pdf).split(blanks, Qt::SkipEmptyParts);
    words.sort();
    return words;
}

// Each word with its box, in points from the page's top left corner.
inline QList<std::pair<QString, QRectF>> words(const QString& pdf)
{
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    QList<std::pair<QString, QRectF>> found;
    const QString html = QString::fromUtf8(run("pdftotext", {"-bbox", pdf, "-"}));
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        found.append(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return found;
}

// The first page, one pixel to a dot at 150 dots per inch.
inline QImage firstPage(const QString& pdf)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    run("pdftoppm", {"-r", "150", "-l", "1", "-png", "-singlefile", pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

// The grid's cells as printed, row by row: '#' black, '.' white, '?' anything else. Each
// cell is looked at low in its left half, clear of number and letter; `gridCorner` is
// the first cell's top left corner on the page.
inline QStringList cellPattern(const QImage& page, QPoint gridCorner, int columns, int rows)
{
    QStringList pattern;
    for (int r = 0; r < rows; ++r) {
        QString line;
        for (int c = 0; c < columns; ++c) {
            const QColor colour = page.pixelColor(gridCorner + QPoint(56 * c + 8, 42 * r + 35));
            line += colour == QColor(Qt::black) ? u'#' : colour == QColor(Qt::white) ? u'.' : u'?';
        }
        pattern << line;
    }
    return pattern;
}

// The smallest rectangle holding every dark pixel of `image` from row `fromY` down.
inline QRect darkBounds(const QImage& image, int fromY)
{
    QRect bounds;
    for (int y = fromY; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

}  // namespace PdfReading
