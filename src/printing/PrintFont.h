#pragma once

#include <QStringList>

// The families the print-outs draw text named `family` with: the family the system finds
// for that name, then a font whose emoji have outlines.
QStringList printFamilies(const QString& family);
