#pragma once

#include <QByteArray>
#include <QString>

// Turns a byte stream that arrives in arbitrary pieces (pipe reads) into text.
// A character whose bytes are split between two pieces is held back until its
// remaining bytes arrive, so nothing is lost at read boundaries; bytes that are
// not UTF-8 at all become U+FFFD instead of spoiling the whole piece.
class Utf8StreamDecoder
{
public:
    // Decodes one piece; may return less than it was given (a held-back tail).
    QString decode(const QByteArray &bytes);
    // The stream has ended: whatever is still held back is an incomplete
    // character and comes out as U+FFFD. The decoder is empty afterwards.
    QString finish();

    // Bytes held back, waiting for the rest of their character (0 to 3).
    qsizetype pendingBytes() const { return m_pending.size(); }

private:
    QByteArray m_pending;
};
