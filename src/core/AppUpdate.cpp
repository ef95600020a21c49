#include "AppUpdate.h"

// Placeholder until the strict decoder lands: decodes nothing.
std::optional<AppUpdate> AppUpdate::decode(const QByteArray &)
{
    return std::nullopt;
}

QJsonObject AppUpdate::toJson() const
{
    return {};
}
