#include "AppUpdate.h"

#include "WebAddress.h"

#include <QByteArrayView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <limits>

namespace {

const QLatin1String versionKey("version");
const QLatin1String buildKey("build");
const QLatin1String downloadURLKey("downloadURL");
const QLatin1String releaseNotesKey("releaseNotes");
const QLatin1String releaseDateKey("releaseDate");
const QLatin1String minOSVersionKey("minOSVersion");

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Finds the source text of the value of `key` among the members of a JSON
// document's top-level object (the last one, as Qt keeps the last of
// duplicate keys). Qt's parser has already accepted the document, but this
// scanner still checks its bounds and gives up on anything unexpected.
class TopLevelScanner
{
public:
    explicit TopLevelScanner(QByteArrayView text) : m_p(text.begin()), m_end(text.end()) {}

    std::optional<QByteArrayView> lastValueOf(QLatin1String key)
    {
        std::optional<QByteArrayView> found;
        skipSpace();
        if (!consume('{'))
            return std::nullopt;
        skipSpace();
        if (consume('}'))
            return found;
        for (;;) {
            skipSpace();
            const auto rawKey = string();
            skipSpace();
            if (!rawKey || !consume(':'))
                return std::nullopt;
            skipSpace();
            const auto value = this->value();
            if (!value)
                return std::nullopt;
            if (keyText(*rawKey) == key)
                found = value;
            skipSpace();
            if (consume('}'))
                return found;
            if (!consume(','))
                return std::nullopt;
        }
    }

private:
    void skipSpace()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\n' || *m_p == '\r'))
            ++m_p;
    }

    bool consume(char c)
    {
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }

    // A string token, quotes included.
    std::optional<QByteArrayView> string()
    {
        const char *start = m_p;
        if (!consume('"'))
            return std::nullopt;
        while (m_p < m_end) {
            if (*m_p == '\\') {
                if (m_end - m_p < 2)
                    return std::nullopt;
                m_p += 2;
                continue;
            }
            if (*m_p++ == '"')
                return QByteArrayView(start, m_p - start);
        }
        return std::nullopt;
    }

    // Any value: a string, a nested object or array (walked without
    // recursion, so depth cannot exhaust the stack) or a bare literal.
    std::optional<QByteArrayView> value()
    {
        const char *start = m_p;
        if (m_p >= m_end)
            return std::nullopt;
        if (*m_p == '"')
            return string();
        if (*m_p == '{' || *m_p == '[') {
            int depth = 0;
            while (m_p < m_end) {
                const char c = *m_p;
                if (c == '"') {
                    if (!string())
                        return std::nullopt;
                    continue;
                }
                ++m_p;
                if (c == '{' || c == '[') {
                    ++depth;
                } else if (c == '}' || c == ']') {
                    if (--depth == 0)
                        return QByteArrayView(start, m_p - start);
                }
            }
            return std::nullopt;
        }
        while (m_p < m_end && *m_p != ',' && *m_p != '}' && *m_p != ']' && *m_p != ' ' &&
               *m_p != '\t' && *m_p != '\n' && *m_p != '\r')
            ++m_p;
        if (m_p == start)
            return std::nullopt;
        return QByteArrayView(start, m_p - start);
    }

    // The text of a key token: escapes are rare in keys, Qt decodes them.
    static QString keyText(QByteArrayView raw)
    {
        const QByteArrayView inner = raw.sliced(1, raw.size() - 2);
        if (!inner.contains('\\'))
            return QString::fromUtf8(inner);
        const QByteArray wrapped = '[' + raw.toByteArray() + ']';
        return QJsonDocument::fromJson(wrapped).array().at(0).toString();
    }

    const char *m_p;
    const char *m_end;
};

} // namespace

std::optional<qint64> AppUpdate::integerFromJsonNumber(QByteArrayView token)
{
    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, evaluated exactly on its
    // decimal digits: Qt turns numbers beyond 64 bits and all numbers with a
    // fraction or an exponent into doubles, which would round them.
    qsizetype i = 0;
    const qsizetype n = token.size();
    const bool negative = i < n && token[i] == '-';
    if (negative)
        ++i;
    QByteArray digits;
    qsizetype integerDigits = 0;
    while (i < n && isDigit(token[i])) {
        digits += token[i++];
        ++integerDigits;
    }
    if (integerDigits == 0)
        return std::nullopt;
    if (i < n && token[i] == '.') {
        ++i;
        const qsizetype before = digits.size();
        while (i < n && isDigit(token[i]))
            digits += token[i++];
        if (digits.size() == before)
            return std::nullopt;
    }
    qint64 exponent = 0;
    if (i < n && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (token[i] == '+' || token[i] == '-'))
            negativeExponent = token[i++] == '-';
        const qsizetype before = i;
        while (i < n && isDigit(token[i])) {
            // Saturate: any exponent beyond a million decides the same way.
            exponent = qMin<qint64>(exponent * 10 + (token[i] - '0'), 1000000);
            ++i;
        }
        if (i == before)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;

    // The value is 0.<digits> * 10^point.
    qint64 point = integerDigits + exponent;
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == '0')
        ++first;
    if (first == digits.size())
        return 0;
    point -= first;
    qsizetype last = digits.size();
    while (digits[last - 1] == '0')
        --last;
    const qsizetype significant = last - first;
    if (point < significant)
        return std::nullopt; // a non-zero fractional part
    if (point > 19)
        return std::nullopt; // at least 10^19: beyond 64 bits

    quint64 magnitude = 0;
    for (qint64 k = 0; k < point; ++k) {
        const int digit = k < significant ? digits[first + k] - '0' : 0;
        if (magnitude > (std::numeric_limits<quint64>::max() - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + quint64(digit);
    }
    constexpr quint64 maxPositive = quint64(std::numeric_limits<qint64>::max());
    if (!negative)
        return magnitude <= maxPositive ? std::optional<qint64>(qint64(magnitude)) : std::nullopt;
    if (magnitude > maxPositive + 1)
        return std::nullopt;
    return magnitude == maxPositive + 1 ? std::numeric_limits<qint64>::min() : -qint64(magnitude);
}

std::optional<AppUpdate> AppUpdate::decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();

    // Missing keys come back undefined, nulls as null: neither is a string.
    for (const QLatin1String key :
         {versionKey, downloadURLKey, releaseNotesKey, releaseDateKey, minOSVersionKey}) {
        if (!object.value(key).isString())
            return std::nullopt;
    }
    if (!object.value(buildKey).isDouble())
        return std::nullopt;
    const auto buildToken = TopLevelScanner(json).lastValueOf(buildKey);
    if (!buildToken)
        return std::nullopt;
    const auto build = integerFromJsonNumber(*buildToken);
    if (!build)
        return std::nullopt;

    return AppUpdate{
        object.value(versionKey).toString(),     *build,
        object.value(downloadURLKey).toString(), object.value(releaseNotesKey).toString(),
        object.value(releaseDateKey).toString(), object.value(minOSVersionKey).toString()};
}

QJsonObject AppUpdate::toJson() const
{
    return QJsonObject{
        {versionKey, version},         {buildKey, QJsonValue(build)},
        {downloadURLKey, downloadURL}, {releaseNotesKey, releaseNotes},
        {releaseDateKey, releaseDate}, {minOSVersionKey, minOSVersion},
    };
}

std::optional<QUrl> AppUpdate::webDownloadURL() const
{
    return WebAddress::fromText(downloadURL);
}
