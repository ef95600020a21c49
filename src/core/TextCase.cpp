#include "TextCase.h"

namespace TextCase {

QString toLower(const QString &text)
{
    // The one letter whose lower-case form is longer than itself; rare
    // enough to leave the whole text to Qt when it occurs.
    constexpr char16_t kCapitalIWithDot = 0x0130;
    if (text.contains(QChar(kCapitalIWithDot)))
        return text.toLower();

    const qsizetype size = text.size();
    const char16_t *in = reinterpret_cast<const char16_t *>(text.constData());
    QString result(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = in[i];
        if (unit < 0x80) {
            out[i] = (unit >= u'A' && unit <= u'Z') ? char16_t(unit + 0x20) : unit;
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   QChar::isLowSurrogate(in[i + 1])) {
            const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(unit, in[i + 1]));
            out[i] = QChar::highSurrogate(lower);
            out[i + 1] = QChar::lowSurrogate(lower);
            ++i;
        } else {
            out[i] = char16_t(QChar::toLower(char32_t(unit)));
        }
    }
    return result;
}

} // namespace TextCase
