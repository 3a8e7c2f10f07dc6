#include "model/ReplyNumber.h"
#include "FuzzCheck.h"

// Any typed grid-size reply: reading never fails, blanks never change the reading, and
// a value read back from its own decimal text is the same value.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString reply = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<qint16> value = readReplyNumber(reply);

    QString squeezed = reply;
    squeezed.remove(u' ').remove(u'\t').remove(u'\r').remove(u'\n');
    FUZZ_CHECK(readReplyNumber(squeezed) == value);
    FUZZ_CHECK(!value || readReplyNumber(QString::number(*value)) == value);
    return 0;
}
