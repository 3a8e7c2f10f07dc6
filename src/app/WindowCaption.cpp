#include "WindowCaption.h"

#include "model/ProgramInfo.h"

QString windowCaption(const QString& crosswordTitle)
{
    const QString program = ProgramInfo::name;
    return crosswordTitle.isEmpty() ? program : program + QStringLiteral(" - ") + crosswordTitle;
}
