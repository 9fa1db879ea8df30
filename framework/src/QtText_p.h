// The runtime's strings as Qt text and back. A String carries bytes, which
// Qt reads as UTF-8; text that comes back from Qt is written as UTF-8.
#pragma once

#include "framework/String.h"

#include <QString>

namespace fw {

inline QString toQString(const String& text)
{
    return QString::fromUtf8(text.view().data(), qsizetype(text.size()));
}

inline String fromQString(const QString& text)
{
    return String(text.toStdString());
}

} // namespace fw
