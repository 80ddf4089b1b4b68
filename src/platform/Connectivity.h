#pragma once
// Whether the internet answers: the reachability flags first (no request when they say the
// network is down), then one GET of a well-known page with a short time-out.

#include <QUrl>

#include <functional>

class QObject;
class Reachability;

bool pmIsInternetConnected();

// The same check against a given flag source and page; the time-out is in milliseconds.
bool pmCheckInternetConnection(const Reachability& reachability, const QUrl& page, int timeoutMs);

// The same check without waiting: done(connected) runs later on the context's thread, once the
// page answered or the time-out passed (at once when the flags say the network is down). The
// log lines are those of the waiting check. Nothing runs when the context is gone.
void pmCheckInternetConnectionAsync(const Reachability& reachability, const QUrl& page, int timeoutMs,
                                    QObject* context, std::function<void(bool)> done);
