#include "Utf8StreamDecoder.h"

namespace {

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int sequenceLength(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// Number of bytes at the end of data that form the beginning of a valid but
// unfinished sequence. Only a lead byte followed by fewer continuation bytes
// than it announces is held back; anything malformed is left to the decoder,
// which replaces it.
qsizetype incompleteTail(const QByteArray &data)
{
    const qsizetype size = data.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const uchar byte = uchar(data.at(size - back));
        if (isContinuation(byte))
            continue;
        const int length = sequenceLength(byte);
        return (length > back) ? back : 0;
    }
    return 0;
}

} // namespace

QString Utf8StreamDecoder::decode(const QByteArray &bytes)
{
    QByteArray data;
    if (m_pending.isEmpty()) {
        data = bytes;
    } else {
        data = m_pending + bytes;
        m_pending.clear();
    }
    const qsizetype tail = incompleteTail(data);
    if (tail > 0) {
        m_pending = data.right(tail);
        data.chop(tail);
    }
    // QString::fromUtf8 replaces every malformed sequence with U+FFFD.
    return QString::fromUtf8(data);
}

QString Utf8StreamDecoder::finish()
{
    if (m_pending.isEmpty())
        return QString();
    // What is held back is always the valid beginning of one character, so
    // it stands for exactly one replacement character.
    m_pending.clear();
    return QString(QChar::ReplacementCharacter);
}
