// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the look at a downloaded patch archive before unzip runs,
// which reads offsets, sizes, names and extra fields straight from the file,
// and the check of each entry's data against its records, which reads the
// local headers, inflates the data and reads the data descriptors as the
// bytes arrive.
#include "patch/PatchArchive.h"
#include "patch/ZipStreamCheck.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// What the data check concluded, to compare two readings of the same bytes.
QString verdict(const ZipStreamCheck &stream)
{
    return QString::number(int(stream.status())) + QLatin1Char(' ') +
           stream.refusal().value_or(QString()) + QLatin1Char(' ') +
           QString::number(stream.entries().size()) + QLatin1Char(' ') +
           QString::number(stream.uncompressedBytes());
}

} // namespace

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
                                (inspection.entries == 0 && inspection.uncompressedBytes != 0) ||
                                inspection.listed.size() != inspection.entries ||
                                inspection.largestEntryBytes > inspection.uncompressedBytes))
        std::abort();

    // The data check reads the same whether the bytes come at once or one
    // at a time, as a slow download hands them over: every header, size,
    // descriptor and piece of deflated data is then cut at every place. (A
    // cut taken from the input's bytes would fall at the same place in every
    // archive the fuzzer keeps valid, whose first bytes do not change.)
    ZipStreamCheck whole;
    whole.feed(bytes.constData(), bytes.size());
    ZipStreamCheck pieces;
    for (qsizetype at = 0; at < bytes.size(); ++at)
        pieces.feed(bytes.constData() + at, 1);
    if (verdict(whole) != verdict(pieces))
        std::abort();
    if (whole.status() == ZipStreamCheck::Status::Refused && whole.refusal()->isEmpty())
        std::abort();
    if (inspection.refusal || !inspection.isZip)
        return 0;

    // With the list in hand, as the patch step goes on: what both accept has
    // the same entries and sizes.
    whole.useListing(inspection.listed);
    whole.readFrom(archive, std::chrono::hours(1));
    const std::optional<QString> disagreement = whole.disagreement(inspection.listed);
    if (disagreement && disagreement->isEmpty())
        std::abort();
    if (!disagreement && (whole.entries().size() != inspection.entries ||
                          whole.uncompressedBytes() != inspection.uncompressedBytes))
        std::abort();
    return 0;
}
