#pragma once

#include <poppler-qt6.h>

#include <QImage>
#include <QRectF>
#include <QStringList>

#include <utility>

// Reads a PDF back the way a person would look at it: its words where they stand on the
// page, and its pages as pictures.
namespace PdfReading {

inline int pageCount(const QString& pdf)
{
    const auto document = Poppler::Document::load(pdf);
    return document ? document->numPages() : 0;
}

// Each word with its box, in points from its page's top left corner, page after page in
// reading order.
inline QList<std::pair<QString, QRectF>> words(const QString& pdf)
{
    QList<std::pair<QString, QRectF>> found;
    const auto document = Poppler::Document::load(pdf);
    for (int i = 0; document && i < document->numPages(); ++i) {
        for (const auto& box : document->page(i)->textList())
            found.append({box->text(), box->boundingBox()});
    }
    return found;
}

// The words of every page in reading order, one blank between two.
inline QString text(const QString& pdf)
{
    QStringList all;
    for (const auto& [word, box] : words(pdf))
        all << word;
    return all.join(u' ');
}

// Sorted, for pages where reading order means little, such as a grid's small numbers.
inline QStringList sortedWords(const QString& pdf)
{
    QStringList all = text(pdf).split(u' ', Qt::SkipEmptyParts);
    all.sort();
    return all;
}

// The first page, one pixel to a dot at 150 dots per inch, smoothed as a viewer shows it.
inline QImage firstPage(const QString& pdf)
{
    const auto document = Poppler::Document::load(pdf);
    if (!document || document->numPages() < 1)
        return {};
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    return document->page(0)->renderToImage(150, 150);
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

}  // namespace PdfReading
