#include "TitlePrompt.h"

#include "model/ProgramInfo.h"
#include "seams/Ui.h"

QString askCrosswordTitle(Ui& ui, const QString& ownTitle)
{
    return ui.prompt(QStringLiteral("Enter Title for the Crossword:"), ProgramInfo::name,
                     ownTitle.isEmpty() ? QStringLiteral("Crossword") : ownTitle);
}
