#include "PuzChecksums.h"

quint16 puzChecksum(QByteArrayView bytes, quint16 sum)
{
    for (const char byte : bytes) {
        sum = (sum & 1) ? quint16((sum >> 1) | 0x8000) : quint16(sum >> 1);
        sum = quint16(sum + quint8(byte));
    }
    return sum;
}

namespace {

// Empty texts count for nothing; title, author, copyright and notes are summed with their
// NUL, the clues without.
quint16 textSum(const PuzTexts& texts, bool notesCount, quint16 sum)
{
    const auto withNul = [&sum](const QByteArray& text) {
        if (!text.isEmpty())
            sum = puzChecksum(text + '\0', sum);
    };
    withNul(texts.title);
    withNul(texts.author);
    withNul(texts.copyright);
    for (const QByteArray& clue : texts.clues)
        sum = puzChecksum(clue, sum);
    if (notesCount)
        withNul(texts.notes);
    return sum;
}

}  // namespace

PuzSums puzSums(QByteArrayView cibBytes, QByteArrayView solution, QByteArrayView player,
                const PuzTexts& texts, bool notesCount)
{
    PuzSums sums;
    sums.cib = puzChecksum(cibBytes, 0);
    sums.file = textSum(texts, notesCount, puzChecksum(player, puzChecksum(solution, sums.cib)));
    const quint16 parts[4] = {sums.cib, puzChecksum(solution, 0), puzChecksum(player, 0),
                              textSum(texts, notesCount, 0)};
    const char mask[] = "ICHEATED";
    sums.masked = QByteArray(8, '\0');
    for (int i = 0; i < 4; ++i) {
        sums.masked[i] = char(mask[i] ^ (parts[i] & 0xFF));
        sums.masked[4 + i] = char(mask[4 + i] ^ (parts[i] >> 8));
    }
    return sums;
}
