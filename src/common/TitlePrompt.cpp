#include "TitlePrompt.h"

#include "model/ProgramInfo.h"
#include "seams/Ui.h"

QString askCrosswordTitle(Ui& ui)
{
    return ui.prompt(QStringLiteral("Enter Title for the Crossword:"), ProgramInfo::name,
                     QStringLiteral("Crossword"));
}
