// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QNetworkReply;

// What a finished network reply delivered, judged the same way for every
// download: the SteamCMD tarball, the patch and the update manifest.
class ReplyBody
{
public:
    ReplyBody() = delete;

    // Whether the reply holds the whole body the server meant to send, given
    // how many bytes of it were received: no error, or an HTTP error status
    // whose page arrived complete. A connection that broke, stalled or was
    // aborted, before or after the headers, delivered none.
    static bool arrivedWhole(const QNetworkReply *reply, qint64 received);
};
