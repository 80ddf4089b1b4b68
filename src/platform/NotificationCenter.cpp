#include "NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const void* owner, const QString& name, Handler handler)
{
    mObservers.push_back({mNextId++, owner, name, std::move(handler)});
}

void NotificationCenter::removeObserver(const void* owner)
{
    std::erase_if(mObservers, [owner](const Observer& o) { return o.owner == owner; });
}

void NotificationCenter::removeObserver(const void* owner, const QString& name)
{
    std::erase_if(mObservers,
                  [&](const Observer& o) { return o.owner == owner && o.name == name; });
}

const NotificationCenter::Observer* NotificationCenter::findObserver(quint64 id) const
{
    auto it = std::find_if(mObservers.begin(), mObservers.end(),
                           [id](const Observer& o) { return o.id == id; });
    return it == mObservers.end() ? nullptr : &*it;
}

void NotificationCenter::postNotification(const QString& name, const QVariant& object,
                                          const QVariantMap& userInfo)
{
    // Handlers may add or remove observers, so walk a snapshot of ids and look each one up.
    std::vector<quint64> ids;
    for (const Observer& o : mObservers) {
        if (o.name == name)
            ids.push_back(o.id);
    }
    const Notification notification{name, object, userInfo};
    for (quint64 id : ids) {
        if (const Observer* observer = findObserver(id)) {
            Handler handler = observer->handler; // the observer may remove itself while it runs
            handler(notification);
        }
    }
}

int NotificationCenter::observerCount(const QString& name) const
{
    return static_cast<int>(std::count_if(mObservers.begin(), mObservers.end(),
                                          [&](const Observer& o) { return o.name == name; }));
}
