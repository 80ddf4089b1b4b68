#pragma once
// Player views loaded ahead, paused on their first picture and out of sight, for the
// recordings a step of the play list may open next. Keyed by the recording and the camera's
// host, so that a changed play list cannot hand out a view of another recording.

#include <QList>
#include <QPointer>
#include <QString>

#include "VideoPlayerView.h"

#include <functional>

class PanelHost;

class PreparedPlayers {
public:
    struct Wanted {
        PanelHost* host = nullptr;
        QString path;
        bool endNotice = false;
    };

    ~PreparedPlayers() { clear(); }

    // The view prepared for that recording in that host, given up by the pool; null if none.
    VideoPlayerView* take(PanelHost* host, const QString& path);
    // Releases what is no longer wanted and prepares what is missing, each with a view from make.
    void keepOnly(const QList<Wanted>& wanted, const std::function<VideoPlayerView*(PanelHost*)>& make);
    void clear();
    int count() const { return int(mViews.size()); }

private:
    // Views go with their host's window, which may close before the pool.
    QList<QPointer<VideoPlayerView>> mViews;
};
