#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The checksums a .puz file carries, computed the one way the writer stamps them and the
// reader verifies them.

inline constexpr int puzHeaderSize = 0x34;

// The format's own running checksum: rotate right by one bit, add the byte.
quint16 puzChecksum(QByteArrayView bytes, quint16 sum);

// The file's texts as stored, each without its NUL.
struct PuzTexts {
    QByteArray title;
    QByteArray author;
    QByteArray copyright;
    QList<QByteArray> clues;
    QByteArray notes;
};

struct PuzSums {
    quint16 cib = 0;    // over the 8 bytes of width to scrambled tag
    quint16 file = 0;   // over everything
    QByteArray masked;  // the 8 bytes at 0x10
};

// `cibBytes` are the header's bytes 0x2C..0x34. Notes count from version 1.3 on.
PuzSums puzSums(QByteArrayView cibBytes, QByteArrayView solution, QByteArrayView player,
                const PuzTexts& texts, bool notesCount = true);
