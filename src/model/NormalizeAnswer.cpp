#include "NormalizeAnswer.h"

#include <QList>

#include <optional>

namespace {

// Latin letters that no decomposition takes apart.
QString foldedByHand(char32_t letter)
{
    switch (letter) {
        case U'ß':
        case U'ẞ':
            return QStringLiteral("SS");
        case U'æ':
        case U'Æ':
            return QStringLiteral("AE");
        case U'œ':
        case U'Œ':
            return QStringLiteral("OE");
        case U'ø':
        case U'Ø':
            return QStringLiteral("O");
        case U'đ':
        case U'Đ':
        case U'ð':
        case U'Ð':
            return QStringLiteral("D");
        case U'þ':
        case U'Þ':
            return QStringLiteral("TH");
        case U'ł':
        case U'Ł':
            return QStringLiteral("L");
        case U'ı':
            return QStringLiteral("I");
        case U'ħ':
        case U'Ħ':
            return QStringLiteral("H");
        default:
            return {};
    }
}

// What one typed character adds to the answer: its capitals, "" for what is dropped, or
// nothing at all for a letter that has no A-Z form.
std::optional<QString> fold(char32_t typed)
{
    const auto isAsciiLetter = [](char32_t c) {
        return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
    };
    if (typed < 0x80)
        return isAsciiLetter(typed) ? QString(QChar(char16_t(typed)).toUpper()) : QString();
    QString folded;
    const QString decomposed =
        QString::fromUcs4(&typed, 1).normalized(QString::NormalizationForm_KD);
    for (const char32_t part : decomposed.toUcs4()) {
        if (isAsciiLetter(part)) {
            folded += QChar(char16_t(part)).toUpper();
        } else if (const QString byHand = foldedByHand(part); !byHand.isEmpty()) {
            folded += byHand;
        } else if (QChar::isLetter(part) && QChar::category(part) != QChar::Letter_Modifier) {
            // Modifier letters (ʼ as an apostrophe, ˆ) spell nothing and go with the rest.
            return std::nullopt;
        }
    }
    return folded;
}

}  // namespace

QString NormalizeAnswer(const QString& typed)
{
    QString letters;
    letters.reserve(typed.size());
    for (const char32_t character : typed.toUcs4())
        letters += fold(character).value_or(QString());
    return letters;
}

QString unfoldableLetter(const QString& typed)
{
    for (const char32_t character : typed.toUcs4()) {
        if (!fold(character))
            return QString::fromUcs4(&character, 1);
    }
    return {};
}
