#pragma once

#include <QString>

namespace TextCase {

// The same text as QString::toLower() (full case mapping, so "İ" becomes
// "i" + U+0307), several times faster on text that is mostly ASCII: SteamCMD
// output is classified by lower-casing every chunk of it.
QString toLower(const QString &text);

} // namespace TextCase
