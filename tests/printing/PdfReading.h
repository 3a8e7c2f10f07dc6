#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Reads a PDF back the way a person would look at it: its words through pdftotext and
// its pages as pictures through pdftoppm. Both come with poppler-utils.
namespace PdfReading {

bool toolsInstalled();
// The words of all pages, in reading order; pages end in a form feed.
QString text(const QString& pdf);
QStringList words(const QString& pdf);
int pageCount(const QString& pdf);
QImage page(const QString& pdf, int page, int dotsPerInch);

// The grid's cells as printed, row by row: '#' black, '.' white, '?' anything else. Each
// cell is looked at low in its left half, clear of number and letter; `gridCorner` is
// the first cell's top left corner in the picture, one pixel to a printer dot.
QStringList cellPattern(const QImage& page, QPoint gridCorner, int columns, int rows);

}  // namespace PdfReading
