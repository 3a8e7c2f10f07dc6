#include "model/NormalizeAnswer.h"
#include "FuzzCheck.h"

// Any typed answer: what is kept is capitals A-Z only, and a kept answer is kept as it
// is. A letter named as having no A-Z form is one that was typed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString kept = NormalizeAnswer(typed);
    for (const QChar letter : kept)
        FUZZ_CHECK(letter >= u'A' && letter <= u'Z');
    FUZZ_CHECK(NormalizeAnswer(kept) == kept && unfoldableLetter(kept).isEmpty());
    FUZZ_CHECK(typed.contains(unfoldableLetter(typed)));
    return 0;
}
