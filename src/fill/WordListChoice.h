#pragma once

#include <QStringList>

// The lists the setter chose and the weakest score shown, remembered between runs.
struct WordListChoice {
    QStringList files;  // none: the system's dictionary
    int minimumScore = 0;

    static const QString systemList;

    // The files to read: the chosen ones, or the system's dictionary.
    QStringList filesToRead() const;

    static WordListChoice remembered();
    void remember() const;

    friend bool operator==(const WordListChoice&, const WordListChoice&) = default;
};
