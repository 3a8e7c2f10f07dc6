#include "NormalizeAnswer.h"

QString NormalizeAnswer(const QString& typed)
{
    QString letters;
    letters.reserve(typed.size());
    for (const QChar ch : typed) {
        const char16_t code = ch.unicode();
        if (code >= u'A' && code <= u'Z')
            letters.append(ch);
        else if (code >= u'a' && code <= u'z')
            letters.append(QChar(code - u'a' + u'A'));
    }
    return letters;
}
