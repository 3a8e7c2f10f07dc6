#include "exchange/PuzReader.h"
#include "ImportedProperties.h"

// Any bytes as a .puz file: refused in words, or a crossword a crossword here can hold.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkImported(puzCrossword(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    return 0;
}
