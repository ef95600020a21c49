// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/AppUpdate.h"

#include "WebAddress.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace {

using Json = nlohmann::json;

// The six members, in the record's order.
enum Field
{
    Version,
    Build,
    DownloadURL,
    ReleaseNotes,
    ReleaseDate,
    MinOSVersion,
    FieldCount
};
constexpr std::array<std::string_view, FieldCount> fieldKeys{
    "version", "build", "downloadURL", "releaseNotes", "releaseDate", "minOSVersion"};

// What the parser reported as the value of one top-level member.
struct Member
{
    enum class Kind
    {
        String,
        Integer,
        Float,
        Other
    };
    Kind kind = Kind::Other;
    std::string text; // a string's value, or a fractional or huge number's source text
    qint64 integer = 0;
};

// Collects the six members of the top-level object while the parser checks
// the whole document. Only the events are used, never a tree of the
// document: nesting of any depth costs a counter, and the source text of a
// number with a fraction or exponent is kept, which a double would round.
// A member given twice counts with its last value.
class ManifestEvents final : public Json::json_sax_t
{
public:
    // Nesting deeper than this is refused, as common JSON decoders do; a
    // manifest must read the same everywhere it is published to.
    static constexpr int maxDepth = 512;

    bool topLevelIsObject() const { return m_topLevelIsObject; }
    // The document is some other JSON value (an array, a string, ...).
    bool topLevelIsOther() const { return m_topLevelIsOther; }
    bool tooDeep() const { return m_depth > maxDepth; }
    const std::optional<Member> &member(Field field) const { return m_members[field]; }

    bool null() override { return value(Member{}); }
    bool boolean(bool) override { return value(Member{}); }
    bool number_integer(number_integer_t number) override
    {
        return value(Member{Member::Kind::Integer, {}, number});
    }
    bool number_unsigned(number_unsigned_t number) override
    {
        if (number > number_unsigned_t(std::numeric_limits<qint64>::max()))
            return value(Member{});
        return value(Member{Member::Kind::Integer, {}, qint64(number)});
    }
    bool number_float(number_float_t, const string_t &token) override
    {
        return value(Member{Member::Kind::Float, token, 0});
    }
    bool string(string_t &text) override
    {
        return value(Member{Member::Kind::String, std::move(text), 0});
    }
    bool binary(binary_t &) override { return value(Member{}); } // not produced by JSON text

    bool start_object(std::size_t) override
    {
        if (m_depth == 0)
            m_topLevelIsObject = true;
        else if (m_depth == 1)
            value(Member{});
        return ++m_depth <= maxDepth;
    }
    bool end_object() override
    {
        --m_depth;
        return true;
    }
    bool start_array(std::size_t) override
    {
        if (m_depth == 0) {
            m_topLevelIsOther = true;
            return false; // the top level must be an object: no need to read on
        }
        if (m_depth == 1)
            value(Member{});
        return ++m_depth <= maxDepth;
    }
    bool end_array() override
    {
        --m_depth;
        return true;
    }
    bool key(string_t &name) override
    {
        if (m_depth == 1) {
            const auto at = std::find(fieldKeys.begin(), fieldKeys.end(), name);
            m_currentField = at == fieldKeys.end() ? -1 : int(at - fieldKeys.begin());
        }
        return true;
    }
    bool parse_error(std::size_t, const std::string &,
                     const nlohmann::detail::exception &error) override
    {
        // JSON allows any number; the parser reads those a double holds.
        m_numberOutOfRange = dynamic_cast<const nlohmann::detail::out_of_range *>(&error);
        return false;
    }
    bool numberOutOfRange() const { return m_numberOutOfRange; }

private:
    // A complete value at the current depth; only members of the top-level
    // object (depth 1) are of interest. A lone value at depth 0 is a document
    // that is not an object.
    bool value(Member member)
    {
        if (m_depth == 0) {
            m_topLevelIsOther = true;
            return false;
        }
        if (m_depth == 1 && m_currentField >= 0)
            m_members[m_currentField] = std::move(member);
        return true;
    }

    int m_depth = 0;
    int m_currentField = -1;
    bool m_topLevelIsObject = false;
    bool m_topLevelIsOther = false;
    bool m_numberOutOfRange = false;
    std::array<std::optional<Member>, FieldCount> m_members;
};

// The value of a number token the parser accepted as JSON,
// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, when it is an integer of the
// signed 64-bit range (42.0, 4.2e1, 100e-2). Decided on the decimal digits:
// the parser's double would round beyond 2^53 and lose a tiny fraction.
std::optional<qint64> integerFromToken(std::string_view token)
{
    const bool negative = token.starts_with('-');
    if (negative)
        token.remove_prefix(1);
    const std::size_t e = token.find_first_of("eE");
    const std::string_view mantissa = token.substr(0, e);
    // Saturated far beyond any token's length, so it decides the same way.
    constexpr qint64 exponentLimit = 1'000'000'000'000'000;
    qint64 exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = token.substr(e + 1);
        const bool negativeExponent = digits.starts_with('-');
        if (digits.starts_with('-') || digits.starts_with('+'))
            digits.remove_prefix(1);
        for (const char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), exponentLimit);
        if (negativeExponent)
            exponent = -exponent;
    }
    // value = digits * 10^exponent
    const std::size_t dot = mantissa.find('.');
    std::string digits(mantissa.substr(0, dot));
    if (dot != std::string_view::npos) {
        const std::string_view fraction = mantissa.substr(dot + 1);
        digits += fraction;
        exponent -= qint64(fraction.size());
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    digits.erase(0, first);
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (exponent < 0)
        return std::nullopt; // a non-zero fractional part
    if (qint64(digits.size()) + exponent > 19)
        return std::nullopt; // at least 10^19: beyond 64 bits
    digits.append(std::size_t(exponent), '0');
    if (negative)
        digits.insert(digits.begin(), '-');
    qint64 value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt; // beyond the 64-bit range
    return value;
}

QString text(const Member &member)
{
    return QString::fromUtf8(member.text.data(), qsizetype(member.text.size()));
}

} // namespace

std::optional<AppUpdate> AppUpdate::decode(const QByteArray &json)
{
    return decode(json, nullptr);
}

std::optional<AppUpdate> AppUpdate::decode(const QByteArray &json, QString *whyNot)
{
    const auto refuse = [whyNot](const QString &reason) -> std::optional<AppUpdate> {
        if (whyNot)
            *whyNot = reason;
        return std::nullopt;
    };
    const auto named = [](Field f) {
        return QCoreApplication::translate("AppUpdate", "the field \"%1\"")
            .arg(QLatin1String(fieldKeys[f].data(), qsizetype(fieldKeys[f].size())));
    };
    // Exactly the JSON grammar: no control characters inside strings, only
    // the escapes \" \\ \/ \b \f \n \r \t \uXXXX (surrogates paired), well-formed
    // UTF-8, numbers with digits on both sides of the point, no comments and
    // nothing after the document.
    // The parser takes a NUL byte for the end of its input, so a document
    // followed by a NUL and anything at all would pass. A NUL byte is never
    // part of JSON text (inside strings it must be escaped).
    if (json.contains('\0'))
        return refuse(QCoreApplication::translate("AppUpdate", "it is not JSON"));
    ManifestEvents events;
    if (!Json::sax_parse(json.begin(), json.end(), &events) || !events.topLevelIsObject()) {
        if (events.topLevelIsOther())
            return refuse(QCoreApplication::translate("AppUpdate", "it is JSON but not an object"));
        if (events.tooDeep())
            return refuse(
                QCoreApplication::translate("AppUpdate", "it is nested more than %1 levels deep")
                    .arg(ManifestEvents::maxDepth));
        if (events.numberOutOfRange())
            return refuse(QCoreApplication::translate(
                "AppUpdate", "it holds a number beyond the range of a double"));
        return refuse(QCoreApplication::translate("AppUpdate", "it is not JSON"));
    }

    AppUpdate update;
    const std::array<std::pair<Field, QString *>, 5> texts{{
        {Version, &update.version},
        {DownloadURL, &update.downloadURL},
        {ReleaseNotes, &update.releaseNotes},
        {ReleaseDate, &update.releaseDate},
        {MinOSVersion, &update.minOSVersion},
    }};
    // A null and any other type than a string are "not a string".
    for (const auto &[field, target] : texts) {
        const std::optional<Member> &member = events.member(field);
        if (!member)
            //: %1 names a field of the manifest: the field "version".
            return refuse(
                QCoreApplication::translate("AppUpdate", "%1 is missing").arg(named(field)));
        if (member->kind != Member::Kind::String)
            return refuse(
                QCoreApplication::translate("AppUpdate", "%1 is not a string").arg(named(field)));
        *target = text(*member);
    }
    const QString notWhole =
        QCoreApplication::translate("AppUpdate", "%1 is not a whole number in the 64-bit range")
            .arg(named(Build));
    const std::optional<Member> &build = events.member(Build);
    if (!build)
        return refuse(QCoreApplication::translate("AppUpdate", "%1 is missing").arg(named(Build)));
    if (build->kind == Member::Kind::Integer) {
        update.build = build->integer;
    } else if (build->kind == Member::Kind::Float) {
        const std::optional<qint64> value = integerFromToken(build->text);
        if (!value)
            return refuse(notWhole);
        update.build = *value;
    } else {
        return refuse(notWhole);
    }
    return update;
}

QJsonObject AppUpdate::toJson() const
{
    const auto key = [](Field field) {
        return QLatin1String(fieldKeys[field].data(), qsizetype(fieldKeys[field].size()));
    };
    return QJsonObject{
        {key(Version), version},         {key(Build), QJsonValue(build)},
        {key(DownloadURL), downloadURL}, {key(ReleaseNotes), releaseNotes},
        {key(ReleaseDate), releaseDate}, {key(MinOSVersion), minOSVersion},
    };
}

std::optional<QUrl> AppUpdate::webDownloadURL() const
{
    return WebAddress::fromText(downloadURL);
}
