#include "printing/ClueListText.h"
#include "FuzzCheck.h"
#include "OffscreenApplication.h"
#include "model/ClueOrder.h"
#include "printing/ClueListPrintout.h"
#include "printing/DirectionRun.h"
#include "printing/RecordingPrintDevice.h"

#include <QGuiApplication>
#include <QTextBoundaryFinder>

namespace {

// As a reader counts them: a letter with its accents, or an emoji of two halves, is one.
int characterCount(const QString& text)
{
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (characters.toNextBoundary() > 0)
        ++count;
    return count;
}

}  // namespace

// Before paper, the print-out asks the fonts whether every character can be drawn.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    offscreenApplication<QGuiApplication>();
    return 0;
}

// Any clue table, listed and printed on paper of any size at any resolution: the list
// comes out in order of number; every printed piece fits the printable width unless it
// is one character, and no character is cut in half; no line runs past the foot of a
// page unless it is the first on it; and what is printed is the whole listing, only
// white space at the breaks left out.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto withoutSpace = [](QString text) {
        return text.removeIf([](QChar ch) { return ch.isSpace(); });
    };
    FuzzedDataProvider in(data, size);
    PuzzleState state;
    state.clueCount = qint16(in.ConsumeIntegralInRange(0, Capacity::maxClues));
    for (int i = 0; i < state.clueCount; ++i) {
        ClueEntry& entry = state.clueTable[i];
        entry.number = in.ConsumeIntegralInRange<qint16>(1, 99);
        entry.across = in.ConsumeBool();
        entry.clue = QString::fromStdString(in.ConsumeRandomLengthString(300));
    }
    RecordedRun run;
    // Printed even where a character would leave a gap: the layout is what is under test.
    run.ui.questionReplies = {true, true};
    run.device.dotsPerInch = in.ConsumeIntegralInRange(72, 1200);
    run.device.printableMm = {in.ConsumeFloatingPointInRange(5.0, 400.0),
                              in.ConsumeFloatingPointInRange(5.0, 400.0)};

    ClueTable sorted{};
    const int count = sortClues(state, sorted);
    FUZZ_CHECK(count == state.clueCount);
    for (int i = 1; i < count; ++i)
        FUZZ_CHECK(sorted[i - 1].number <= sorted[i].number);
    const QString listing = ClueListText::clueListText(sorted, count);
    printClueList(listing, run.device, run.ui);

    const QList<RecordingPrintDevice::Mark> texts = run.device.marksOf(QStringLiteral("text"));
    // On paper narrower than the title, the title itself wraps onto several lines.
    const QString titleAnswer = QStringLiteral("Title");
    QString title;
    qsizetype first = 0;
    while (first < texts.size() && title.size() < titleAnswer.size())
        title += texts.at(first++).text;
    FUZZ_CHECK(title == titleAnswer);
    const qreal dotsPerMm = run.device.dotsPerInch / 25.4;
    // Widths in the unit the print-out left the device in, positions in dots.
    const qreal width = run.device.printableSize().width();
    const qreal height = run.device.printableMm.height() * dotsPerMm;
    const qreal lineHeight = 1.2 * 10.0 / 72 * run.device.dotsPerInch;
    QString printed;
    int page = 0;
    for (qsizetype i = first; i < texts.size(); ++i) {
        const RecordingPrintDevice::Mark& piece = texts.at(i);
        const bool firstOnPage = piece.page != page;
        page = piece.page;
        // The direction isolates around a clue take no room and are no character.
        const QString visible = DirectionRun::withoutIsolates(piece.text);
        FUZZ_CHECK(characterCount(visible) <= 1 || run.device.textWidth(visible) <= width + 1e-6);
        // The clues are whole characters, so a half of one can only come from a break.
        FUZZ_CHECK(piece.text.isEmpty() ||
                   (!piece.text.front().isLowSurrogate() && !piece.text.back().isHighSurrogate()));
        FUZZ_CHECK(firstOnPage || piece.rect.y() + lineHeight <= height + 1e-6);
        printed += piece.text;
    }
    // A wrapped isolated clue opens its isolate again on each further line.
    FUZZ_CHECK(withoutSpace(DirectionRun::withoutIsolates(printed)) ==
               withoutSpace(DirectionRun::withoutIsolates(listing)));
    return 0;
}
