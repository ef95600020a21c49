// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplyBody.h"

#include <QNetworkReply>
#include <QNetworkRequest>

bool ReplyBody::arrivedWhole(const QNetworkReply *reply, qint64 received)
{
    // A connection reset in the middle of the body can end the reply without
    // an error: fewer bytes than announced is a broken download all the same.
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    // (Only for a plain body: a compressed one arrives unpacked.)
    if (announced.isValid() && !reply->hasRawHeader("Content-Encoding") &&
        received < announced.toLongLong())
        return false;
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::NoError)
        return true;
    const bool httpStatusError =
        (error >= QNetworkReply::ContentAccessDenied &&
         error <= QNetworkReply::UnknownContentError) ||
        (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
    return httpStatusError && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}
