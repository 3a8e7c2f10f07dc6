#include "ReplyNumber.h"

#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\n';
}

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

// The longest leading part of `text` that reads as a decimal number:
// [sign] digits [. digits] [exponent [sign] digits].
QString numberPrefix(const QString& text)
{
    qsizetype end = 0;
    const auto skipDigits = [&] {
        qsizetype digits = 0;
        while (end < text.size() && isDigit(text[end])) {
            ++end;
            ++digits;
        }
        return digits;
    };

    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    qsizetype mantissaDigits = skipDigits();
    if (end < text.size() && text[end] == u'.') {
        ++end;
        mantissaDigits += skipDigits();
    }
    if (mantissaDigits == 0)
        return {};

    QString number = text.left(end);
    // An exponent counts only when digits follow it; "1e" is just 1.
    if (end < text.size() && QStringLiteral("eEdD").contains(text[end])) {
        qsizetype exponentEnd = end + 1;
        if (exponentEnd < text.size() && (text[exponentEnd] == u'+' || text[exponentEnd] == u'-'))
            ++exponentEnd;
        const qsizetype digitsStart = exponentEnd;
        while (exponentEnd < text.size() && isDigit(text[exponentEnd]))
            ++exponentEnd;
        if (exponentEnd > digitsStart)
            number = text.left(end) + u'e' + text.mid(end + 1, exponentEnd - end - 1);
    }
    return number;
}

}  // namespace

std::optional<qint16> readReplyNumber(const QString& reply)
{
    QString compact;
    compact.reserve(reply.size());
    for (const QChar ch : reply) {
        if (!isBlank(ch))
            compact.append(ch);
    }

    const QString number = numberPrefix(compact);
    if (number.isEmpty())
        return qint16{0};

    bool ok = false;
    const double value = std::floor(number.toDouble(&ok));
    if (!ok || !std::isfinite(value) || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}
