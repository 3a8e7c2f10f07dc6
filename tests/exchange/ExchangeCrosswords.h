#pragma once

#include "../printing/TestCrosswords.h"

#include <QByteArray>
#include <QList>

// The largest crossword there can be, and one that every crossword file can hold: a
// 30 x 30 grid, white but for five blocks on the diagonal, whose 70 runs of white cells
// are the answers of the 70 clues, every clue text a long one.
namespace ExchangeCrosswords {

inline PuzzleState full()
{
    constexpr int size = Capacity::maxGridSize;
    PuzzleState state = TestCrosswords::empty(size, size);
    const auto add = [&](int x, int y, int length, bool across) {
        QString answer;
        for (int k = 0; k < length; ++k) {
            const int column = across ? x + k : x;
            answer += QChar(u'A' + (column * 7 + (across ? y : y + k) * 11) % 26);
        }
        // Numbered as the placement numbers: only the corner starts two clues.
        const int number = x + y == 0 && !across ? 1 : ++state.clueNumber;
        TestCrosswords::place(state,
                              QStringLiteral("Clue %1, which is long enough to fill a good part "
                                             "of its printed line")
                                  .arg(state.clueCount + 1),
                              answer, x, y, number, across);
    };
    for (const bool across : {true, false}) {
        for (int line = 0; line < size; ++line) {
            // A block on the diagonal cuts every sixth line in two.
            const int end = line % 6 == 3 ? line : size;
            add(across ? 0 : line, across ? line : 0, end, across);
            if (end < size)
                add(across ? end + 1 : line, across ? line : end + 1, size - 1 - end, across);
        }
    }
    return state;
}

// A crossword of the export tests: what each writer refuses it with, and where worked out
// by hand, the whole .puz file.
struct Case {
    const char* name;
    PuzzleState crossword;
    QString title;
    QString ipuzRefusal;
    QString puzRefusal;
    QByteArray puzHex;
};

inline QList<Case> exportCases()
{
    using TestCrosswords::place;
    QList<Case> cases;
    const auto row = [&cases](const char* name, const PuzzleState& crossword, const QString& title,
                              const QString& ipuz, const QString& puz,
                              const QByteArray& hex = {}) {
        cases.append({name, crossword, title, ipuz, puz, hex});
    };

    const QString none = "The crossword has no clues yet, so there is nothing to export.";
    row("no clues", TestCrosswords::empty(3, 3), "T", none, none);
    PuzzleState twice = TestCrosswords::sample();
    place(twice, "Hoot", "OWL", 2, 1, 3, true);  // the first clue is not the one doubled
    const QString oneWay =
        "Clues 3 across (\"Night bird\") and 3 across (\"Hoot\") both start in "
        "row 2, column 3; a crossword file holds one clue each way from a cell.";
    row("two across clues from one cell", twice, "T", oneWay, oneWay);
    PuzzleState changed = TestCrosswords::sample();
    changed.gridLetters[2][0] = "X";
    const QString reads =
        "Clue 1 across (\"Pet\") has the answer CAT, but the grid reads CAX there.";
    row("grid no longer reads an answer", changed, "T", reads, reads);

    const QString latin1 =
        ", which a .puz file cannot hold: it holds Latin-1 (ISO-8859-1) text only.";
    PuzzleState texts = TestCrosswords::sample();
    texts.clueTable[0].clue = "Pet: \"cat\", not \\dog/ or %1";
    texts.clueTable[1].clue = QString::fromUtf8("Café crème\tau lait \u0001");
    texts.clueTable[2].clue = QString::fromUtf8("Gipfel 頂上 𝄞");
    row("shared number, texts that need escaping, title outside Latin-1", texts,
        QString::fromUtf8("Ωmega \"Ünïcödé\""), {},
        QString::fromUtf8("The title \"Ωmega \"Ünïcödé\"\" has the character Ω") + latin1);
    PuzzleState euro = TestCrosswords::sample();
    euro.clueTable[1].clue = QString::fromUtf8("Costs 5 €");
    row("clue outside Latin-1", euro, "T", {},
        QString::fromUtf8("Clue 1 down (\"Costs 5 €\") has the character €") + latin1);

    PuzzleState nul = TestCrosswords::sample();
    nul.clueTable[1].clue = QStringLiteral("Cow").append(QChar(0));
    row("a NUL, which ends a .puz text, named", nul, "T", {},
        QStringLiteral("Clue 1 down (\"Cow%1\") has the character NUL").arg(QChar(0)) + latin1);

    const QString runs = "; a .puz file needs exactly one clue for each run of white cells.";
    PuzzleState unclued = TestCrosswords::sample();
    unclued.clueCount = 3;  // OWL stays in the grid without its clue
    row("run that is no clue's answer", unclued, "T", {},
        "Row 2, columns 3 to 5 read OWL, which is not one across clue's answer" + runs);
    PuzzleState down = TestCrosswords::sample();
    down.clueTable[2].answer = "TO";  // the grid still reads TOP
    row("down answer shorter than its run", down, "T", {},
        "Column 3, rows 1 to 3 read TOP, which is not one down clue's answer" + runs);
    PuzzleState part = TestCrosswords::empty(4, 1);
    place(part, "Felines", "CATS", 0, 0, 1, true);
    place(part, "Rodents", "ATS", 1, 0, 2, true);
    row("across answer that is part of a run", part, "T", {},
        "Clue 2 across (\"Rodents\") is only part of a run of white cells, and a .puz file "
        "gives every clue a whole run.");
    PuzzleState single = TestCrosswords::empty(2, 2);
    place(single, "Article", "A", 0, 0, 1, true);
    row("one-letter answer", single, "T", {},
        "Clue 1 across (\"Article\") has a one-letter answer, which a .puz file cannot hold: "
        "its readers give clues to runs of two or more cells.");

    // The entries of the 5 x 3 sample in another order: the .puz file numbers them as
    // the grid reads, CAT and COW 1, TOP 2, OWL 3, whatever the screen shows.
    PuzzleState reordered = TestCrosswords::empty(5, 3);
    place(reordered, QString::fromUtf8("Nachtvogel, übrigens"), "OWL", 2, 1, 1, true);
    place(reordered, QString::fromUtf8("Sommet × 2"), "TOP", 2, 0, 2, false);
    place(reordered, QString::fromUtf8("Chat, ça"), "CAT", 0, 0, 3, true);
    place(reordered, "Dairy animal", "COW", 0, 0, 3, false);
    // ÿ is Latin-1's last character.
    row("Latin-1 texts, entries out of grid order", reordered, QString::fromUtf8("Café à L'Haÿ"),
        {}, {});
    row("30 x 30, 70 clues", ExchangeCrosswords::full(), "Full", {}, {});

    // 2 x 1, HI, one clue "Hi", title "T". Each step of a checksum rotates the sum
    // right by one bit and adds the byte; the sums after each byte:
    //   CIB over 02 01 01 00 01 00 00 00: 0002 0002 0002 0001 8001 C000 6000 3000
    //   solution "HI" from 0: 0048 006D; player "--" from 0: 002D 8043
    //   texts from 0: "T" and its NUL 0054 002A, then "Hi" 005D 8097
    //   file: "HI" from 3000: 1848 0C6D; "--" 8663 C35E; "T\0" 6203 B101; "Hi" D8C8 6CCD
    //   masked, low: I^00 C^6D H^43 E^97; high: A^30 T^00 E^80 D^80
    // The file: sums, magic, version 1.3; reserved; width, height, one clue, an
    // ordinary crossword, not scrambled; solution and player; title, author, copyright,
    // the clue and notes.
    PuzzleState tiny = TestCrosswords::empty(2, 1);
    place(tiny, "Hi", "HI", 0, 0, 1, true);
    row("checksums of a 2 x 1 grid", tiny, "T", {}, {},
        "cd6c4143524f535326444f574e000030492e0bd27154c5c4312e3300"
        "00000000000000000000000000000000020101000100000048492d2d"
        "5400000048690000");
    return cases;
}

}  // namespace ExchangeCrosswords
