#pragma once
// Named notifications with an object and user information, delivered synchronously on the
// posting thread to every observer registered for the name, in registration order.
// Observers are registered and removed by owner, so a view removes all of its own at once.

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <vector>

struct Notification {
    QString name;
    QVariant object;
    QVariantMap userInfo;
};

class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    void addObserver(const void* owner, const QString& name, Handler handler);
    void removeObserver(const void* owner);
    void removeObserver(const void* owner, const QString& name);

    // Observers added while a notification is delivered see the next one; observers removed
    // during delivery are not called any more.
    void postNotification(const QString& name, const QVariant& object = {},
                          const QVariantMap& userInfo = {});

    int observerCount(const QString& name) const;

private:
    struct Observer {
        quint64 id;
        const void* owner;
        QString name;
        Handler handler;
    };

    const Observer* findObserver(quint64 id) const;

    std::vector<Observer> mObservers;
    quint64 mNextId = 1;
};
