#include "DirectionRun.h"

namespace DirectionRun {

QString ownDirectionRun(const QString& text)
{
    if (!text.isRightToLeft())
        return text;
    return isolateStart + text + isolateEnd;
}

QString withoutIsolates(QString text)
{
    return text.remove(isolateStart).remove(isolateEnd);
}

}  // namespace DirectionRun
