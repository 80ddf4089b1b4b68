// A second launch reaches the running program, which brings its window back and opens the
// folder the second launch was given.
#include "InstanceChannel.h"
#include "WaitFor.h"

#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>

TEST(InstanceChannel, SecondLaunchHandsItsFolderToTheRunningProgram)
{
    const QString name = "koriv-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    InstanceChannel secondLaunch(name);
    EXPECT_FALSE(secondLaunch.askRunningInstanceToReopen(QString())); // nobody runs yet

    InstanceChannel running(name);
    ASSERT_TRUE(running.listen());
    QSignalSpy reopened(&running, &InstanceChannel::reopenRequested);
    EXPECT_TRUE(secondLaunch.askRunningInstanceToReopen("/media/user/CARD/Ünïcode"));
    EXPECT_TRUE(secondLaunch.askRunningInstanceToReopen(QString()));
    ASSERT_TRUE(waitFor([&] { return reopened.size() >= 2; }));
    ASSERT_EQ(reopened.size(), 2);
    EXPECT_EQ(reopened[0][0].toString(), "/media/user/CARD/Ünïcode");
    EXPECT_EQ(reopened[1][0].toString(), QString());
}
