#include "Connectivity.h"

#include "ServiceAddresses.h"
#include "util/Log.h"
#include "util/Reachability.h"
#include "util/RouteTable.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kCheckTimeoutMs = 2000;

bool replySucceeded(QNetworkReply* reply)
{
    return reply->error() == QNetworkReply::NoError && !reply->readAll().isEmpty();
}

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
    const bool ok = replySucceeded(reply);
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
    return pmCheckInternetConnection(reachability, pmCheckPageUrl(), kCheckTimeoutMs);
}

void pmCheckInternetConnectionAsync(const Reachability& reachability, const QUrl& page, int timeoutMs,
                                    QObject* context, std::function<void(bool)> done)
{
    const QPointer<QObject> guard(context);
    if (reachability.currentReachabilityStatus() == NotReachable) {
        QTimer::singleShot(0, context, [done] { done(false); });
        return;
    }
    pmWriteLog("pmIsInternetConnected() - check website - start !");
    auto* manager = new QNetworkAccessManager(context);
    QNetworkRequest request(page);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager->get(request);
    QObject::connect(reply, &QNetworkReply::finished, manager, [manager, reply, guard, done] {
        const bool connected = replySucceeded(reply);
        pmWriteLog("pmIsInternetConnected() - check website - end !");
        reply->deleteLater();
        manager->deleteLater();
        if (guard)
            done(connected);
    });
}
