// libFuzzer target: the look at a downloaded patch archive's list of entries
// before unzip runs, which reads offsets and sizes straight from the file.
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
    const std::optional<QString> reason = PatchArchive::refusalReason(archive);
    // A refusal always says why.
    if (reason && reason->isEmpty())
        std::abort();
    return 0;
}
