#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class PrintDevice;
class Ui;

// Prints the title line and then the listing in Arial 10 from 25 mm down. A listing
// longer than the page goes on over further pages, and a line wider than the page
// wraps at a blank.
void printClueListing(const QString& listing, PrintDevice& device, Ui& ui);

// Splits one line into pieces no wider than `width` as `measure` sees them, breaking
// after blanks where it can and inside a word only when the word alone is too wide.
QStringList wrapLine(const QString& line, qreal width,
                     const std::function<qreal(const QString&)>& measure);
