// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the update manifest decoder and the version comparison,
// the two places where text from the network is taken apart.
#include "update/AppUpdate.h"
#include "update/UpdateChecker.h"

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

    // The input as the "build" of an otherwise valid manifest: an accepted
    // build prints back to a number that decodes to the same build.
    const auto withBuild = [](const QByteArray &build) {
        return R"({"version":"1","build":)" + build +
               R"(,"downloadURL":"","releaseNotes":"","releaseDate":"","minOSVersion":""})";
    };
    if (const auto update = AppUpdate::decode(withBuild(input))) {
        const auto again = AppUpdate::decode(withBuild(QByteArray::number(update->build)));
        if (!again || again->build != update->build)
            std::abort();
    }
    return 0;
}
