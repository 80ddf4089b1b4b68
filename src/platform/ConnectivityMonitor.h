#pragma once
// The connectivity check for callers that ask often (the map panel, at every opened
// recording): the last answer is kept, and a new check runs in the background when that answer
// is older than a few seconds, so asking never blocks the window.

#include "util/Reachability.h"

#include <QElapsedTimer>
#include <QObject>
#include <QUrl>

class ConnectivityMonitor : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentMs = 10000;
    static constexpr int kTimeoutMs = 2000;

    explicit ConnectivityMonitor(QObject* parent = nullptr);

    // Tests give their own flags and a page of their own; the defaults are the system's
    // routing table and pmCheckPageUrl().
    void setReachability(Reachability::FlagSource source) { mFlags = std::move(source); }
    void setPage(const QUrl& page) { mPage = page; }

    bool hasAnswer() const { return mHasAnswer; }
    bool lastAnswer() const { return mLastAnswer; }
    bool isChecking() const { return mChecking; }
    // Starts a check unless one is running or the last answer is younger than maxAgeMs.
    void refresh(int maxAgeMs = kRecentMs);

signals:
    void answered(bool connected);

private:
    Reachability::FlagSource mFlags;
    QUrl mPage;
    QElapsedTimer mAnswerAge;
    bool mHasAnswer = false;
    bool mLastAnswer = false;
    bool mChecking = false;
};
