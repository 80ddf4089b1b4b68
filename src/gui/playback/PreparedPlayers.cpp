#include "PreparedPlayers.h"

#include "controls/PanelHost.h"

#include <algorithm>
#include <utility>

namespace {

bool holds(const VideoPlayerView* view, const PanelHost* host, const QString& path)
{
    return view && view->parent() == static_cast<const QObject*>(host) && view->path() == path;
}

} // namespace

VideoPlayerView* PreparedPlayers::take(PanelHost* host, const QString& path)
{
    for (qsizetype i = 0; i < mViews.size(); ++i) {
        if (holds(mViews[i], host, path))
            return mViews.takeAt(i);
    }
    return nullptr;
}

void PreparedPlayers::keepOnly(const QList<Wanted>& wanted, const std::function<VideoPlayerView*(PanelHost*)>& make)
{
    QList<QPointer<VideoPlayerView>> kept;
    for (const Wanted& want : wanted) {
        const bool twice = std::any_of(kept.begin(), kept.end(), [&](const QPointer<VideoPlayerView>& view) {
            return holds(view, want.host, want.path);
        });
        if (want.path.isEmpty() || twice)
            continue;
        VideoPlayerView* view = take(want.host, want.path);
        if (!view) {
            view = make(want.host);
            view->prepareURL(want.path, want.endNotice);
        }
        kept << view;
    }
    clear();
    mViews = kept;
}

void PreparedPlayers::clear()
{
    for (const QPointer<VideoPlayerView>& view : std::exchange(mViews, {}))
        delete view.data(); // releases its player
}
