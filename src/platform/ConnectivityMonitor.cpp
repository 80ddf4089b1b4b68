#include "ConnectivityMonitor.h"

#include "Connectivity.h"
#include "ServiceAddresses.h"
#include "util/RouteTable.h"

ConnectivityMonitor::ConnectivityMonitor(QObject* parent)
    : QObject(parent), mFlags(pmReadSystemReachabilityFlags), mPage(pmCheckPageUrl())
{
}

void ConnectivityMonitor::refresh(int maxAgeMs)
{
    if (mChecking || (mHasAnswer && mAnswerAge.isValid() && mAnswerAge.elapsed() < maxAgeMs))
        return;
    mChecking = true;
    pmCheckInternetConnectionAsync(Reachability(mFlags), mPage, kTimeoutMs, this, [this](bool connected) {
        mChecking = false;
        mHasAnswer = true;
        mLastAnswer = connected;
        mAnswerAge.start();
        emit answered(connected);
    });
}
