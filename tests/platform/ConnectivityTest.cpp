// The connectivity check asks the network only when the reachability flags allow it.
#include "Connectivity.h"
#include "LogMessages.h"
#include "util/Log.h"
#include "util/Reachability.h"

#include <QTcpServer>
#include <gtest/gtest.h>

TEST(Connectivity, UnreachableNetworkAnswersFalseWithoutARequest)
{
    pmClearLog();
    const Reachability down([](std::uint32_t& flags) { flags = 0; return true; });
    EXPECT_FALSE(pmCheckInternetConnection(down, QUrl("http://127.0.0.1:9/"), 2000));
    const Reachability unreadable([](std::uint32_t&) { return false; });
    EXPECT_FALSE(pmCheckInternetConnection(unreadable, QUrl("http://127.0.0.1:9/"), 2000));
    EXPECT_TRUE(logMessages().isEmpty());
}

TEST(Connectivity, FailedOrSilentPageAnswersFalse)
{
    const Reachability up([](std::uint32_t& flags) { flags = ReachabilityFlag::Reachable; return true; });
    // A port nobody listens on: the request fails at once.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 closedPort = probe.serverPort();
    probe.close();
    pmClearLog();
    EXPECT_FALSE(pmCheckInternetConnection(up, QUrl(QString("http://127.0.0.1:%1/").arg(closedPort)), 2000));
    EXPECT_EQ(logMessages(), QStringList({"pmIsInternetConnected() - check website - start !",
                                          "pmIsInternetConnected() - check website - end !"}));

    // A server that accepts and never answers: the time-out ends the wait.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    EXPECT_FALSE(pmCheckInternetConnection(up, QUrl(QString("http://127.0.0.1:%1/").arg(silent.serverPort())), 300));
}
