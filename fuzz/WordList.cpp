#include "FuzzCheck.h"
#include "fill/WordListText.h"

// Any bytes as a word list: every line is a word or counted as skipped, and every word
// kept is capitals A-Z that a grid can hold, found again by its own letters as a pattern.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView text(data, qsizetype(size));
    WordIndex::Builder builder;
    const ListLines lines = readWordList(text, builder);
    FUZZ_CHECK(lines.words + lines.skipped <= text.count('\n') + 1);
    const auto index = builder.finish(0);
    FUZZ_CHECK(index->size() <= lines.words);
    for (int length = 1; length <= WordIndex::longest; ++length) {
        WordMatches all = index->matching(QString(length, u'?'));
        for (const WordMatch& match : all.next(50)) {
            FUZZ_CHECK(match.word.size() == length);
            FUZZ_CHECK(match.score >= 0 && match.score <= WordIndex::bestScore);
            for (const QChar letter : match.word)
                FUZZ_CHECK(letter >= u'A' && letter <= u'Z');
            FUZZ_CHECK(index->matching(match.word).count() == 1);
        }
    }
    return 0;
}
