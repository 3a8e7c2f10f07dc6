#include "WindowCaption.h"

#include "model/ProgramInfo.h"

QString windowCaption(const QString& crosswordTitle)
{
    // "[*]" is where the title bar marks unsaved changes.
    const QString program = ProgramInfo::name;
    return (crosswordTitle.isEmpty() ? program
                                     : program + QStringLiteral(" - ") + crosswordTitle) +
           QStringLiteral("[*]");
}
