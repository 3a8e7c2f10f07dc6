#include "exchange/IpuzReader.h"
#include "ImportedProperties.h"

// Any bytes as an .ipuz file: refused in words, or a crossword a crossword here can hold.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkImported(ipuzCrossword(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    return 0;
}
