#include "WordListText.h"

#include "model/NormalizeAnswer.h"

#include <QString>

namespace {

// The score after the separator, or -1 where it is not a whole number from 0 to 100.
int scoreOf(QByteArrayView text)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 3)
        return -1;
    int score = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return -1;
        score = score * 10 + (digit - '0');
    }
    return score <= WordIndex::bestScore ? score : -1;
}

bool isAsciiLetters(QByteArrayView word)
{
    for (const char ch : word) {
        if (!((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')))
            return false;
    }
    return true;
}

// A line is a word when it starts with a letter and every letter in it survives as one
// or more of A-Z: a letter that cannot be folded would leave a different word behind.
bool readLine(QByteArrayView line, WordIndex::Builder& builder)
{
    int score = WordIndex::unscored;
    if (const qsizetype separator = line.indexOf(';'); separator >= 0) {
        score = scoreOf(line.sliced(separator + 1));
        if (score < 0)
            return false;
        line = line.first(separator);
    }
    line = line.trimmed();
    // Most lines of most lists are plain ASCII letters: they are only made capitals, as
    // normalising does, without decoding each line into a string of its own.
    if (isAsciiLetters(line)) {
        if (line.size() > WordIndex::longest)
            return false;
        char capitals[WordIndex::longest];
        for (qsizetype k = 0; k < line.size(); ++k)
            capitals[k] = char(line[k] & ~0x20);
        return builder.add(QByteArrayView(capitals, line.size()), score);
    }
    const QString typed = QString::fromUtf8(line);
    if (typed.isEmpty() || !typed.front().isLetter())
        return false;
    // A dictionary's possessives ("lioness's") would read as words that are not words.
    if (typed.endsWith(QStringLiteral("'s")) || typed.endsWith(QStringLiteral("\u2019s")))
        return false;
    qsizetype letters = 0;
    for (const QChar ch : typed)
        letters += ch.isLetter() ? 1 : 0;
    const QString word = NormalizeAnswer(typed);
    if (word.size() < letters)
        return false;
    return builder.add(word.toLatin1(), score);
}

}  // namespace

ListLines readWordList(QByteArrayView text, WordIndex::Builder& builder)
{
    ListLines lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty())
            continue;
        if (readLine(line, builder))
            ++lines.words;
        else
            ++lines.skipped;
    }
    return lines;
}
