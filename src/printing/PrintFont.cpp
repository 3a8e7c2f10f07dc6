#include "PrintFont.h"

#include <QFont>
#include <QFontInfo>

namespace {

// A colour emoji font holds pictures, not outlines, and its emoji leave gaps in a PDF or
// on a printer. Named before the system's own fallbacks, Symbola draws every emoji it has.
const QString outlineEmojiFamily = QStringLiteral("Symbola");

}  // namespace

QStringList printFamilies(const QString& family)
{
    // A list of families passes over a name that is only an alias (Arial, where Liberation
    // Sans stands in for it), and the emoji font would then draw the letters too.
    const QString found = QFontInfo(QFont(family)).family();
    QStringList families{found};
    if (found != outlineEmojiFamily)
        families << outlineEmojiFamily;
    return families;
}
