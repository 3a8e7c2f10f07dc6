#include "PrintableText.h"

#include "PrintFont.h"
#include "PrintLayout.h"
#include "seams/Ui.h"

#include <QFont>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QSet>
#include <QTextLayout>

namespace {

constexpr qsizetype namedAtMost = 10;

// What puts no ink on paper of itself: blanks, controls, the marks that steer direction or
// join emoji, and the selectors of an emoji's look.
bool inkless(char32_t c)
{
    switch (QChar::category(c)) {
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
        case QChar::Other_Control:
        case QChar::Other_Format:
            return true;
        default:
            return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
    }
}

// Laid out as the printer lays it out, fallback fonts and all: a glyph that no font has
// is glyph 0, and one from a font of pictures has no outline to print.
bool drawable(const QFont& font, char32_t c)
{
    QTextLayout layout(QString::fromUcs4(&c, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun& run : runs) {
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0 || run.rawFont().pathForGlyph(glyph).isEmpty())
                return false;
        }
    }
    return !runs.isEmpty();
}

QString describe(const QString& characters)
{
    QStringList each;
    for (const char32_t c : characters.toUcs4()) {
        each << QString::fromUcs4(&c, 1) + QStringLiteral(" U+") +
                    QString::number(c, 16).toUpper().rightJustified(4, u'0');
    }
    return each.join(QStringLiteral(", "));
}

}  // namespace

QString unprintableCharacters(const QString& text)
{
    QFont font;
    font.setFamilies(printFamilies(PrintLayout::fontName));
    QSet<char32_t> seen;
    QString found;
    for (const char32_t c : text.toUcs4()) {
        if (inkless(c) || seen.contains(c))
            continue;
        seen.insert(c);
        if (!drawable(font, c))
            found += QString::fromUcs4(&c, 1);
    }
    return found;
}

bool printDespiteGaps(Ui& ui, const QString& heading, const QStringList& texts)
{
    // Every character is looked at once, however many texts hold it.
    const QString missing = unprintableCharacters(texts.join(u'\n'));
    if (missing.isEmpty())
        return true;
    QStringList named;
    for (const QString& text : texts) {
        QString own;
        for (const char32_t c : text.toUcs4()) {
            const QString character = QString::fromUcs4(&c, 1);
            if (missing.contains(character) && !own.contains(character))
                own += character;
        }
        if (!own.isEmpty())
            named << QObject::tr("%1   (%2)").arg(text.trimmed(), describe(own));
    }
    const qsizetype more = named.size() - namedAtMost;
    if (more > 0) {
        named.resize(namedAtMost);
        named << QObject::tr("and %1 more").arg(more);
    }
    return ui.confirm(QObject::tr("%1 characters that no installed font can print; each would "
                                  "be a gap on paper:\n\n%2\n\nPrint anyway?")
                          .arg(heading, named.join(u'\n')),
                      PrintLayout::applicationTitle);
}
