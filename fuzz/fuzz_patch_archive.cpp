// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the look at a downloaded patch archive before unzip runs,
// which reads offsets, sizes, names and extra fields straight from the file.
#include "PatchArchive.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer archive(&bytes);
    if (!archive.open(QIODevice::ReadOnly))
        std::abort();
    const PatchArchive::Inspection inspection = PatchArchive::inspect(archive);
    // A refusal always says why, and only a zip archive is refused.
    if (inspection.refusal && (inspection.refusal->isEmpty() || !inspection.isZip))
        std::abort();
    // An accepted archive's figures are real ones.
    if (!inspection.refusal && (inspection.entries < 0 || inspection.uncompressedBytes < 0 ||
                                (inspection.entries == 0 && inspection.uncompressedBytes != 0)))
        std::abort();
    return 0;
}
