#include "About.h"

#include "seams/LayoutFont.h"

#include <QLabel>

#include <algorithm>

const QString About::caption = QStringLiteral("About Quillgrid V1.0.0");

QStringList About::textParts()
{
    return {
        QStringLiteral("Name Of the Software : Quillgrid V1.0.0"),
        QStringLiteral("Purpose of the Software:"),
        QStringLiteral(
            "To facilitate easy preparation for crosswords. Using this program, we can "
            "maintain lots of crosswords of a maximum size of 30x30 and with a maximu number "
            "of 70 clues. Print-outs of the Crossword grid with or without solution can be "
            "taken. A print-out containing all the clues can also be taken."),
        QStringLiteral("Developed by the Quillgrid developers"),
        QStringLiteral("The Quillgrid project"),
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
