#pragma once
// Program texts (code page 936) to and from the widgets' Unicode.

#include <QString>
#include <string>
#include <string_view>

#include "runtime/cp936.h"

namespace corvane::qt {

inline QString ToQString(std::string_view cp936) { return QString::fromStdU16String(cp936::ToUtf16(cp936)); }
inline std::string FromQString(const QString& text) { return cp936::FromUtf16(text.toStdU16String()); }

}  // namespace corvane::qt
