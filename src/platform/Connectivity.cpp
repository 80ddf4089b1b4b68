#include "Connectivity.h"

#include "util/Log.h"
#include "util/Reachability.h"
#include "util/RouteTable.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

constexpr int kCheckTimeoutMs = 2000;
const char* const kCheckPage = "http://example.com/";

// Waits for the reply without letting the user act on a window that is not ready yet.
bool fetchSomeData(const QUrl& page, int timeoutMs)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(page);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, [reply] { reply->abort(); });
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool ok = reply->error() == QNetworkReply::NoError && !reply->readAll().isEmpty();
    delete reply;
    return ok;
}

} // namespace

bool pmCheckInternetConnection(const Reachability& reachability, const QUrl& page, int timeoutMs)
{
    if (reachability.currentReachabilityStatus() == NotReachable)
        return false;
    pmWriteLog("pmIsInternetConnected() - check website - start !");
    const bool connected = fetchSomeData(page, timeoutMs);
    pmWriteLog("pmIsInternetConnected() - check website - end !");
    return connected;
}

bool pmIsInternetConnected()
{
    const Reachability reachability(pmReadSystemReachabilityFlags);
    return pmCheckInternetConnection(reachability, QUrl(kCheckPage), kCheckTimeoutMs);
}
