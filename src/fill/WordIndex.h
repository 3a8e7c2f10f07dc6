#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class WordMatches;

// Every word of the setter's lists that an answer could be, grouped by length, each group
// in the order the panel lists it: best score first, then alphabetical. For each length,
// position and letter a bit set tells which words have that letter there, so a pattern
// is answered by AND-ing one set per fixed letter.
class WordIndex : public std::enable_shared_from_this<WordIndex> {
public:
    static constexpr int longest = 30;  // no grid has a longer run
    static constexpr int bestScore = 100;
    // Words of lists that give no scores are all scored alike, halfway up the scale.
    static constexpr int unscored = 50;

    // Takes words as they are read, keeping the highest score of a word seen twice.
    class Builder {
    public:
        Builder();
        // `word` is capitals A-Z only; false when it is empty or too long for any grid.
        bool add(QByteArrayView word, int score);
        // The index of every word scored at least `minimumScore`. Empties the builder.
        std::shared_ptr<const WordIndex> finish(int minimumScore);

    private:
        struct Group {
            std::vector<char> letters;  // the words, `length` letters each, end to end
            std::vector<std::uint8_t> scores;
            std::vector<std::uint32_t> slots;  // open addressing: word number + 1, 0 free
        };
        void grow(Group& group, int length);
        std::array<Group, longest + 1> groups_;
    };

    qsizetype size() const { return size_; }

    // Words of exactly the pattern's length; `?` (or any character but A-Z) is any letter.
    WordMatches matching(QStringView pattern) const;
    // Words that could start a run whose cells hold `run` (A-Z, or `?` where open):
    // from two letters up to the run's length, agreeing with the run's letters and with
    // `typed` as their first letters. A shorter word that would end right beside a
    // letter of the run is marked.
    WordMatches fitting(QStringView run, QStringView typed) const;

private:
    friend class WordMatches;
    struct Group {
        int length = 0;
        qsizetype count = 0;
        qsizetype blocks = 0;  // 64-bit words in one bit set
        std::vector<char> letters;
        std::vector<std::uint8_t> scores;
        std::vector<std::uint64_t> sets;  // [position][letter][block]
        const std::uint64_t* set(int position, int letter) const
        {
            return sets.data() + (qsizetype(position) * 26 + letter) * blocks;
        }
    };
    // The words of one group that have `letters` (A-Z, anything else open) at their start.
    std::vector<std::uint64_t> select(const Group& group, QStringView letters) const;

    std::array<Group, longest + 1> groups_;
    qsizetype size_ = 0;
};

// One word of a list, as the panel shows it.
struct WordMatch {
    QString word;
    int score = 0;
    bool runsOn = false;  // would end right beside a letter already in the grid
};

// The words a query found: how many, and then as many at a time as the list asks for,
// in the index's order across all lengths.
class WordMatches {
public:
    WordMatches() = default;
    qsizetype count() const { return count_; }
    bool atEnd() const { return listed_ == count_; }
    std::vector<WordMatch> next(qsizetype most);

private:
    friend class WordIndex;
    struct Part {
        const WordIndex::Group* group = nullptr;
        std::vector<std::uint64_t> chosen;
        qsizetype at = 0;  // the word number listed next, or -1 past the last
        bool runsOn = false;
        void advanceFrom(qsizetype from);
    };
    void add(const WordIndex::Group& group, std::vector<std::uint64_t> chosen, bool runsOn);

    std::shared_ptr<const WordIndex> keep_;  // the words the parts point into
    std::vector<Part> parts_;
    qsizetype count_ = 0;
    qsizetype listed_ = 0;
};
