#include "ServiceAddresses.h"

#include <QtGlobal>

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

// A host's base address; a replacement's trailing "/" is dropped, so paths join the same way
// for every host.
QString baseAddress(const char* name, const char* standard)
{
    QString base = fromEnvironment(name, standard);
    while (base.endsWith('/'))
        base.chop(1);
    return base;
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

QString pmFacebookWwwBase()
{
    return baseAddress("KORIV_FACEBOOK_WWW", "https://www.facebook.com");
}

QString pmFacebookGraphBase()
{
    return baseAddress("KORIV_FACEBOOK_GRAPH", "https://graph.facebook.com");
}

QString pmFacebookVideoBase()
{
    return baseAddress("KORIV_FACEBOOK_VIDEO", "https://graph-video.facebook.com");
}

QString pmYouTubeHome()
{
    return "https://www.youtube.com/";
}
