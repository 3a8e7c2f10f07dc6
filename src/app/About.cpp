#include "About.h"

#include "common/LayoutFont.h"
#include "model/ProgramInfo.h"
#include "model/PuzzleState.h"

#include <QLabel>

#include <algorithm>

const QString About::caption =
    QStringLiteral("About %1 V%2").arg(ProgramInfo::name, ProgramInfo::version);

QStringList About::textParts()
{
    return {
        QStringLiteral("Name Of the Software : %1 V%2")
            .arg(ProgramInfo::name, ProgramInfo::version),
        QStringLiteral("Purpose of the Software:"),
        QStringLiteral(
            "To facilitate easy preparation for crosswords. Using this program, we can "
            "maintain lots of crosswords of a maximum size of %1x%1 and with a maximum "
            "number of %2 clues. Print-outs of the Crossword grid with or without solution "
            "can be taken. A print-out containing all the clues can also be taken.")
            .arg(Capacity::maxGridSize)
            .arg(Capacity::maxClues),
        QStringLiteral("Developed by the %1 developers").arg(ProgramInfo::name),
        QStringLiteral("The %1 project").arg(ProgramInfo::name),
        QStringLiteral("Made for Linux desktops everywhere"),
        QStringLiteral("Write to us through the project's issue tracker"),
    };
}

About::About(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(caption);
    setFont(layoutFont(font()));

    auto* label = new QLabel(textParts().join(u'\n'), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The label keeps its width and grows downwards as far as the text needs, so no
    // line of it is cut off whatever the desktop's font.
    constexpr int labelWidth = 225;
    const int labelHeight = std::max(193, label->heightForWidth(labelWidth));
    label->setGeometry(40, 8, labelWidth, labelHeight);
    setFixedSize(312, std::max(211, labelHeight + 18));
}
