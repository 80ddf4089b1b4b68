#include "ServiceAddresses.h"

namespace {

constexpr const char* kDefaultCheckPage = "http://example.com/";
constexpr const char* kDefaultTileTemplate = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
constexpr const char* kOpenStreetMapAttribution =
    "&copy; <a href=\"https://www.openstreetmap.org/copyright\">OpenStreetMap</a> contributors";

QString fromEnvironment(const char* name, const char* fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

} // namespace

QUrl pmCheckPageUrl()
{
    return QUrl(fromEnvironment("KORIV_CHECK_URL", kDefaultCheckPage));
}

QString pmMapTileTemplate()
{
    return fromEnvironment("KORIV_TILE_URL", kDefaultTileTemplate);
}

QString pmMapTileAttribution()
{
    // Tiles from elsewhere are usually rendered from OpenStreetMap data too; the credit stays.
    return QString::fromLatin1(kOpenStreetMapAttribution);
}
