// Texts of the runtime shown by Qt: a String's bytes read as UTF-8 (bytes
// that are not UTF-8 show as replacement characters; the String keeps them).
#pragma once

#include "framework/String.h"

#include <QString>

namespace fw {

inline QString qtString(const String& text)
{
    return QString::fromUtf8(text.view().data(), qsizetype(text.size()));
}

} // namespace fw
