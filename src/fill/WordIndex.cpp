#include "WordIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

namespace {

bool isLetter(QChar ch)
{
    return ch >= u'A' && ch <= u'Z';
}

std::uint32_t hashOf(const char* letters, qsizetype length)
{
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (qsizetype k = 0; k < length; ++k)
        hash = (hash ^ std::uint8_t(letters[k])) * 16777619u;
    return hash;
}

}  // namespace

WordIndex::Builder::Builder() = default;

void WordIndex::Builder::grow(Group& group, int length)
{
    std::vector<std::uint32_t> slots(std::max<std::size_t>(64, group.slots.size() * 2), 0);
    const std::uint32_t mask = std::uint32_t(slots.size() - 1);
    for (std::uint32_t word = 0; word < group.scores.size(); ++word) {
        std::uint32_t slot =
            hashOf(group.letters.data() + qsizetype(word) * length, length) & mask;
        while (slots[slot] != 0)
            slot = (slot + 1) & mask;
        slots[slot] = word + 1;
    }
    group.slots = std::move(slots);
}

bool WordIndex::Builder::add(QByteArrayView word, int score)
{
    const qsizetype length = word.size();
    if (length < 1 || length > longest)
        return false;
    Group& group = groups_[length];
    // Kept under half full, so a probe meets a free slot soon.
    if (group.slots.size() < 2 * (group.scores.size() + 1))
        grow(group, int(length));
    const std::uint32_t mask = std::uint32_t(group.slots.size() - 1);
    std::uint32_t slot = hashOf(word.data(), length) & mask;
    while (const std::uint32_t held = group.slots[slot]) {
        std::uint8_t& heldScore = group.scores[held - 1];
        if (std::memcmp(group.letters.data() + qsizetype(held - 1) * length, word.data(),
                        length) == 0) {
            heldScore = std::uint8_t(std::max<int>(heldScore, score));
            return true;
        }
        slot = (slot + 1) & mask;
    }
    group.slots[slot] = std::uint32_t(group.scores.size() + 1);
    group.letters.insert(group.letters.end(), word.data(), word.data() + length);
    group.scores.push_back(std::uint8_t(std::clamp(score, 0, bestScore)));
    return true;
}

std::shared_ptr<const WordIndex> WordIndex::Builder::finish(int minimumScore)
{
    auto index = std::make_shared<WordIndex>();
    for (int length = 1; length <= longest; ++length) {
        Group built = std::move(groups_[length]);
        groups_[length] = Group();
        const auto wordAt = [&](std::uint32_t word) {
            return std::string_view(built.letters.data() + qsizetype(word) * length,
                                    std::size_t(length));
        };
        // The score and the first letters packed into one number, so that nearly every
        // comparison of the sort is one integer comparison; only words alike in all of
        // those go on to compare their other letters.
        struct Ranked {
            std::uint64_t key;
            std::uint32_t word;
        };
        constexpr int packed = 11;
        std::vector<Ranked> ranked;
        ranked.reserve(built.scores.size());
        for (std::uint32_t word = 0; word < built.scores.size(); ++word) {
            if (built.scores[word] < minimumScore)
                continue;
            std::uint64_t key = std::uint64_t(bestScore - built.scores[word]) << (5 * packed);
            const std::string_view letters = wordAt(word);
            for (int k = 0; k < std::min(length, packed); ++k)
                key |= std::uint64_t(letters[std::size_t(k)] - 'A') << (5 * (packed - 1 - k));
            ranked.push_back({key, word});
        }
        std::sort(ranked.begin(), ranked.end(), [&](const Ranked& a, const Ranked& b) {
            if (a.key != b.key || length <= packed)
                return a.key < b.key;
            return wordAt(a.word).substr(packed) < wordAt(b.word).substr(packed);
        });
        std::vector<std::uint32_t> order;
        order.reserve(ranked.size());
        for (const Ranked& entry : ranked)
            order.push_back(entry.word);
        ranked = {};

        WordIndex::Group& group = index->groups_[length];
        group.length = length;
        group.count = qsizetype(order.size());
        group.blocks = (group.count + 63) / 64;
        group.letters.resize(order.size() * std::size_t(length));
        group.scores.resize(order.size());
        group.sets.assign(std::size_t(length) * 26 * std::size_t(group.blocks), 0);
        for (std::size_t rank = 0; rank < order.size(); ++rank) {
            const std::string_view word = wordAt(order[rank]);
            std::memcpy(group.letters.data() + rank * length, word.data(), word.size());
            group.scores[rank] = built.scores[order[rank]];
            for (int position = 0; position < length; ++position) {
                const int letter = word[std::size_t(position)] - 'A';
                group.sets[(std::size_t(position) * 26 + letter) * group.blocks + rank / 64] |=
                    std::uint64_t(1) << (rank % 64);
            }
        }
        index->size_ += group.count;
    }
    return index;
}

std::vector<std::uint64_t> WordIndex::select(const Group& group, QStringView letters) const
{
    std::vector<std::uint64_t> chosen;
    const qsizetype fixed = std::min<qsizetype>(letters.size(), group.length);
    for (int position = 0; position < fixed; ++position) {
        if (!isLetter(letters[position]))
            continue;
        const std::uint64_t* set = group.set(position, letters[position].unicode() - u'A');
        if (chosen.empty()) {
            chosen.assign(set, set + group.blocks);
        } else {
            for (qsizetype block = 0; block < group.blocks; ++block)
                chosen[std::size_t(block)] &= set[block];
        }
    }
    if (chosen.empty() && group.count > 0) {
        chosen.assign(std::size_t(group.blocks), ~std::uint64_t(0));
        if (const int spare = int(group.count % 64))
            chosen.back() = (std::uint64_t(1) << spare) - 1;
    }
    return chosen;
}

WordMatches WordIndex::matching(QStringView pattern) const
{
    WordMatches matches;
    matches.keep_ = shared_from_this();
    if (pattern.size() >= 1 && pattern.size() <= longest) {
        const Group& group = groups_[pattern.size()];
        matches.add(group, select(group, pattern), false);
    }
    return matches;
}

WordMatches WordIndex::fitting(QStringView run, QStringView typed) const
{
    WordMatches matches;
    matches.keep_ = shared_from_this();
    const qsizetype longestWord = std::min<qsizetype>(run.size(), longest);
    for (qsizetype length = std::max<qsizetype>(2, typed.size()); length <= longestWord;
         ++length) {
        QString letters = run.left(length).toString();
        bool clash = false;
        for (qsizetype k = 0; k < typed.size(); ++k) {
            if (isLetter(letters[k]) && letters[k] != typed[k])
                clash = true;
            letters[k] = typed[k];
        }
        if (clash)
            continue;
        const Group& group = groups_[length];
        const bool runsOn = length < run.size() && isLetter(run[length]);
        matches.add(group, select(group, letters), runsOn);
    }
    return matches;
}

void WordMatches::add(const WordIndex::Group& group, std::vector<std::uint64_t> chosen,
                      bool runsOn)
{
    Part part{&group, std::move(chosen), 0, runsOn};
    qsizetype found = 0;
    for (const std::uint64_t block : part.chosen)
        found += std::popcount(block);
    if (found == 0)
        return;
    count_ += found;
    part.advanceFrom(0);
    parts_.push_back(std::move(part));
}

void WordMatches::Part::advanceFrom(qsizetype from)
{
    qsizetype block = from / 64;
    if (block >= qsizetype(chosen.size())) {
        at = -1;
        return;
    }
    std::uint64_t bits = chosen[std::size_t(block)] & (~std::uint64_t(0) << (from % 64));
    while (bits == 0) {
        if (++block >= qsizetype(chosen.size())) {
            at = -1;
            return;
        }
        bits = chosen[std::size_t(block)];
    }
    at = block * 64 + std::countr_zero(bits);
}

std::vector<WordMatch> WordMatches::next(qsizetype most)
{
    std::vector<WordMatch> words;
    const auto wordOf = [](const Part& part) {
        return std::string_view(part.group->letters.data() + part.at * part.group->length,
                                std::size_t(part.group->length));
    };
    while (qsizetype(words.size()) < most && listed_ < count_) {
        Part* best = nullptr;
        for (Part& part : parts_) {
            if (part.at < 0)
                continue;
            if (!best) {
                best = &part;
                continue;
            }
            const int score = part.group->scores[std::size_t(part.at)];
            const int bestScore = best->group->scores[std::size_t(best->at)];
            if (score > bestScore || (score == bestScore && wordOf(part) < wordOf(*best)))
                best = &part;
        }
        const std::string_view word = wordOf(*best);
        words.push_back(WordMatch{QString::fromLatin1(word.data(), qsizetype(word.size())),
                                  best->group->scores[std::size_t(best->at)], best->runsOn});
        best->advanceFrom(best->at + 1);
        ++listed_;
    }
    return words;
}
