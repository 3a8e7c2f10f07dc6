#include "TitlePrompt.h"

#include "Ui.h"

QString askCrosswordTitle(Ui& ui)
{
    return ui.prompt(QStringLiteral("Enter Title for the Crossword:"), QStringLiteral("Quillgrid"),
                     QStringLiteral("Crossword"));
}
