#pragma once

#include <QByteArray>
#include <QString>

// What a writer hands back: the whole file, or in words the user can act on why the
// crossword cannot go into that format. Writers never talk to the user themselves.
struct ExportedFile {
    QByteArray bytes;
    QString refusal;  // "" when written
};
