#include "ServiceAddresses.h"

#include <QtGlobal>

namespace {

// The replacement's trailing "/" is dropped, so paths join the same way for every host.
QString baseAddress(const char* variable, const char* standard)
{
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty())
        return standard;
    while (base.endsWith('/'))
        base.chop(1);
    return base;
}

} // namespace

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
