#include "model/NormalizeAnswer.h"
#include "FuzzCheck.h"

// Any typed answer: what is kept is capitals A-Z only, never longer than what was
// typed, and a kept answer is kept as it is.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString kept = NormalizeAnswer(typed);
    for (const QChar letter : kept)
        FUZZ_CHECK(letter >= u'A' && letter <= u'Z');
    FUZZ_CHECK(kept.size() <= typed.size() && NormalizeAnswer(kept) == kept);
    return 0;
}
