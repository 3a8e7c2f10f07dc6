#include "DirectionRun.h"

namespace DirectionRun {

QString ownDirectionRun(const QString& text)
{
    if (!text.isRightToLeft())
        return text;
    return isolateStart + text + isolateEnd;
}

}  // namespace DirectionRun
