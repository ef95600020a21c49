// libFuzzer target: the update manifest decoder and the version comparison,
// the two places where text from the network is taken apart.
#include "AppUpdate.h"
#include "UpdateChecker.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));

    // A decoded record encodes back to a document that decodes to itself.
    if (const auto update = AppUpdate::decode(input)) {
        const QByteArray again = QJsonDocument(update->toJson()).toJson(QJsonDocument::Compact);
        if (AppUpdate::decode(again) != update)
            std::abort();
    }

    // The first line against the rest: "strictly newer" is irreflexive and
    // never holds both ways.
    const qsizetype split = input.indexOf('\n');
    const QString a = QString::fromUtf8(split < 0 ? input : input.left(split));
    const QString b = split < 0 ? QString() : QString::fromUtf8(input.mid(split + 1));
    if (UpdateChecker::isNewerVersion(a, a) || UpdateChecker::isNewerVersion(b, b))
        std::abort();
    if (UpdateChecker::isNewerVersion(a, b) && UpdateChecker::isNewerVersion(b, a))
        std::abort();

    // Number tokens on their own: an accepted integer prints back to a token
    // that gives the same value.
    if (const auto value = AppUpdate::integerFromJsonNumber(QByteArrayView(input))) {
        if (AppUpdate::integerFromJsonNumber(QByteArray::number(*value)) != value)
            std::abort();
    }
    return 0;
}
