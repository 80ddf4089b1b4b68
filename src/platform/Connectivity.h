#pragma once
// Whether the internet answers: the reachability flags first (no request when they say the
// network is down), then one GET of a well-known page with a short time-out.

#include <QUrl>

class Reachability;

bool pmIsInternetConnected();

// The same check against a given flag source and page; the time-out is in milliseconds.
bool pmCheckInternetConnection(const Reachability& reachability, const QUrl& page, int timeoutMs);
