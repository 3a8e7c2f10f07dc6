#include "WordListChoice.h"

#include "WordIndex.h"

#include <QSettings>

#include <algorithm>

const QString WordListChoice::systemList = QStringLiteral("/usr/share/dict/words");

namespace {
const QString filesKey = QStringLiteral("wordLists/files");
const QString minimumKey = QStringLiteral("wordLists/minimumScore");
}  // namespace

QStringList WordListChoice::filesToRead() const
{
    return files.isEmpty() ? QStringList{systemList} : files;
}

WordListChoice WordListChoice::remembered()
{
    const QSettings settings;
    WordListChoice choice;
    choice.files = settings.value(filesKey).toStringList();
    choice.minimumScore =
        std::clamp(settings.value(minimumKey, 0).toInt(), 0, int(WordIndex::bestScore));
    return choice;
}

void WordListChoice::remember() const
{
    QSettings settings;
    settings.setValue(filesKey, files);
    settings.setValue(minimumKey, minimumScore);
}
