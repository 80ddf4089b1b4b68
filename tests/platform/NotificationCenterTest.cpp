// Named notifications: who receives them, in what order, and what they carry.
#include "NotificationCenter.h"
#include "NotificationNames.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(NotificationCenter, DeliversObjectAndUserInfoToObserversOfTheNameInOrder)
{
    NotificationCenter center;
    int owner1 = 0, owner2 = 0;
    QStringList calls;
    center.addObserver(&owner1, kPlayBarButtonClickedNotification, [&](const Notification& n) {
        calls << "first:" + n.object.toString() + ":" + n.userInfo.value(kParentWindowKey).toString();
    });
    center.addObserver(&owner2, kPlayBarButtonClickedNotification, [&](const Notification&) { calls << "second"; });
    center.addObserver(&owner2, kVideoEndNotification, [&](const Notification&) { calls << "other name"; });

    center.postNotification(kPlayBarButtonClickedNotification, 3, {{kParentWindowKey, "bar"}});
    EXPECT_EQ(calls, QStringList({"first:3:bar", "second"}));
    center.postNotification("com.ulvar.korivmanager:NobodyListens");
    EXPECT_EQ(calls.size(), 2);
}

TEST(NotificationCenter, RemovesObserversByOwnerAndName)
{
    NotificationCenter center;
    int owner = 0, other = 0;
    int hits = 0;
    center.addObserver(&owner, kVideoEndNotification, [&](const Notification&) { ++hits; });
    center.addObserver(&owner, kSliderChangedNotification, [&](const Notification&) { ++hits; });
    center.addObserver(&other, kVideoEndNotification, [&](const Notification&) { hits += 10; });

    center.removeObserver(&owner, kVideoEndNotification);
    center.postNotification(kVideoEndNotification);
    EXPECT_EQ(hits, 10);
    center.removeObserver(&owner);
    center.postNotification(kSliderChangedNotification);
    EXPECT_EQ(hits, 10);
    EXPECT_EQ(center.observerCount(kVideoEndNotification), 1);
}

TEST(NotificationCenter, ObserversChangedDuringDeliveryTakeEffectSafely)
{
    NotificationCenter center;
    int first = 0, second = 0, late = 0;
    int secondHits = 0, lateHits = 0;
    // The first observer removes the second and itself, and adds a third.
    center.addObserver(&first, kVideoEndNotification, [&](const Notification&) {
        center.removeObserver(&second);
        center.removeObserver(&first);
        center.addObserver(&late, kVideoEndNotification, [&](const Notification&) { ++lateHits; });
    });
    center.addObserver(&second, kVideoEndNotification, [&](const Notification&) { ++secondHits; });

    center.postNotification(kVideoEndNotification);
    EXPECT_EQ(secondHits, 0);
    EXPECT_EQ(lateHits, 0);
    center.postNotification(kVideoEndNotification);
    EXPECT_EQ(lateHits, 1);
}

TEST(NotificationNames, AreDistinctAndCarryTheApplicationPrefix)
{
    const QStringList names = {
        kPlayBarButtonClickedNotification, kSliderChangedNotification, kDoSliderChangedNotification,
        kCheckBoxChangedNotification, kComboBoxChangedNotification, kListBoxChangedNotification,
        kFileListBoxChangedNotification, kFileListBoxDoubleClickNotification,
        kFileListViewCheckBoxNotification, kFileListViewDoubleClickNotification,
        kCalendarSelChangedNotification, kMapViewReadyNotification, kAVPlayerReadyToPlayNotification,
        kVideoEndNotification, kVideoFileIsRemoved, kUploadVideoChangedNotification};
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
    for (const QString& name : names) {
        EXPECT_TRUE(name.startsWith("com.ulvar.korivmanager:")) << name.toStdString();
        EXPECT_TRUE(name.endsWith("Notification") || name.endsWith("VideoFileIsRemoved")) << name.toStdString();
    }
}
