#include "WindowCaption.h"

QString windowCaption(const QString& crosswordTitle)
{
    const QString program = QStringLiteral("Quillgrid");
    return crosswordTitle.isEmpty() ? program : program + QStringLiteral(" - ") + crosswordTitle;
}
