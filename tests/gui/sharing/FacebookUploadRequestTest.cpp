// The upload request against a loopback host running on a thread of its own: the exact bytes
// arrive, in plain text and encrypted, whatever the window's thread does meanwhile, and every early end is reported once,
// as a failure, with nothing sent or reported after it.
#include "LoopbackHttpServer.h"
#include "SelfSignedIdentity.h"
#include "SharingTestSupport.h"
#include "WaitFor.h"

#include "sharing/FacebookRequest.h"
#include "sharing/FacebookUploadRequest.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

namespace {

using Answer = LoopbackHttpServer::Answer;
constexpr qint64 kBigFile = 48 << 20; // more than the connection's buffers hold

// A loopback host answering on its own thread, so that it keeps reading while the test's
// thread is busy.
class ThreadedServer {
public:
    explicit ThreadedServer(const QSslConfiguration& encryption = QSslConfiguration())
    {
        if (!encryption.isNull())
            mServer->setEncryption(encryption);
        mServer->moveToThread(&mThread);
        mThread.start();
        run([this] { mListening = mServer->listen(); });
    }
    ~ThreadedServer()
    {
        run([this] { delete mServer; });
        mThread.quit();
        mThread.wait();
    }
    void run(const std::function<void()>& work) { QMetaObject::invokeMethod(mServer, work, Qt::BlockingQueuedConnection); }
    LoopbackHttpServer* operator->() const { return mServer; }
    LoopbackHttpServer& operator*() const { return *mServer; }
    bool listening() const { return mListening; }

private:
    QThread mThread;
    LoopbackHttpServer* mServer = new LoopbackHttpServer;
    bool mListening = false;
};

// Clients made while it lives trust the loopback host's certificate, as they would a public one.
class TrustedForTheTest {
public:
    explicit TrustedForTheTest(const SelfSignedIdentity& identity) : mSaved(QSslConfiguration::defaultConfiguration())
    {
        QSslConfiguration::setDefaultConfiguration(identity.trustedBy(mSaved));
    }
    ~TrustedForTheTest() { QSslConfiguration::setDefaultConfiguration(mSaved); }

private:
    QSslConfiguration mSaved;
};

struct Reports {
    QList<qint64> sent;
    qint64 total = -1;
    QByteArray received;
    int finished = 0;
    int failures = 0;
    int code = 0;
    int count() const { return int(sent.size()) + finished + failures; }
    bool ended() const { return finished + failures > 0; }
};

class FacebookUploadRequestTest : public ::testing::Test {
protected:
    std::unique_ptr<FacebookUploadRequest> start(const QString& base, const QString& path, Reports& reports,
                                                 int timeoutMs = FacebookUploadRequest::kDefaultTimeoutMs)
    {
        auto request = std::make_unique<FacebookUploadRequest>(&network);
        FacebookUploadRequest* raw = request.get();
        QObject::connect(raw, &FacebookUploadRequest::bytesSent, [&reports](qint64 sent, qint64 total) {
            reports.sent << sent;
            reports.total = total;
        });
        QObject::connect(raw, &FacebookUploadRequest::dataReceived, [&reports](const QByteArray& data) { reports.received += data; });
        QObject::connect(raw, &FacebookUploadRequest::finished, [&reports] { ++reports.finished; });
        QObject::connect(raw, &FacebookUploadRequest::failed, [&reports](int code, const QString&) {
            ++reports.failures;
            reports.code = code;
        });
        EXPECT_TRUE(request->start(base, "T0KEN", path, "Fahrt 1", "", timeoutMs));
        return request;
    }
    QString recording(qint64 size) { return writePatternFile(dir.filePath("FILE0001.MOV"), size); }

    QTemporaryDir dir;
    QNetworkAccessManager network;
};

// Waits without running this thread's events.
bool sleepUntil(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < kWaitMs)
        QThread::msleep(5);
    return condition();
}

QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

TEST_F(FacebookUploadRequestTest, TheHostGetsTheExactRequestWhileTheWindowsThreadIsBusy)
{
    const SelfSignedIdentity identity;
    ASSERT_TRUE(identity.isValid()) << identity.error().toStdString();
    const TrustedForTheTest trust(identity);
    for (const bool encrypted : {false, true}) {
        SCOPED_TRACE(encrypted ? "https" : "http");
        ThreadedServer server(encrypted ? identity.serverConfiguration() : QSslConfiguration());
        ASSERT_TRUE(server.listening());
        server.run([&] { server->route("/me/videos", [](const LoopbackHttpServer::Request&) { return Answer::text("{\"id\":\"5\"}"); }); });
        const QString path = recording(24 << 20);
        Reports reports;
        auto request = start(server->baseUrl(), path, reports);

        // No events run here: the body must reach the host without this thread.
        EXPECT_TRUE(sleepUntil([&] { return server->bodyBytesReceived() == request->bodyLength(); }));
        ASSERT_TRUE(waitFor([&] { return reports.ended(); }));

        EXPECT_EQ(reports.finished, 1);
        EXPECT_EQ(reports.failures, 0);
        EXPECT_EQ(reports.received, "{\"id\":\"5\"}");
        EXPECT_FALSE(request->isRunning());
        ASSERT_FALSE(reports.sent.isEmpty());
        EXPECT_TRUE(std::is_sorted(reports.sent.begin(), reports.sent.end()));
        EXPECT_EQ(reports.sent.last(), request->bodyLength());
        EXPECT_EQ(reports.total, request->bodyLength());

        const auto requests = server->requests();
        ASSERT_EQ(requests.size(), 1);
        EXPECT_TRUE(requests[0].head.startsWith("POST /me/videos?access_token=T0KEN&title=Fahrt%201&description= HTTP/1.1\r\n"));
        const QByteArray host = "127.0.0.1:" + QByteArray::number(server->port());
        EXPECT_EQ(requests[0].header("Host"), host);
        EXPECT_EQ(requests[0].header("Content-Length"), QByteArray::number(request->bodyLength()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray body = QByteArray::fromStdString(pmUploadBodyHead("FILE0001.MOV")) + file.readAll()
            + QByteArray::fromStdString(pmUploadBodyTail());
        const QByteArray head = QByteArray::fromStdString(pmUploadRequestHead(
            "/me/videos?access_token=T0KEN&title=Fahrt%201&description=", host.toStdString(), body.size()));
        // The whole request, so that a head overtaken by body bytes shows.
        EXPECT_EQ(sha256(requests[0].raw()), sha256(head + body));
    }
}

TEST_F(FacebookUploadRequestTest, EveryEarlyEndIsOneFailureWithItsCode)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString refused = QString("http://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    struct Case {
        const char* name;
        std::function<void(LoopbackHttpServer&)> arrange;
        qint64 fileSize;
        int timeoutMs;
        std::function<bool(int)> codeIs;
    };
    const auto status = [](int expected) { return [expected](int code) { return code == expected; }; };
    const auto answer = [](Answer reply) {
        return [reply](LoopbackHttpServer& host) {
            host.route("/me/videos", [reply](const LoopbackHttpServer::Request&) { return reply; });
        };
    };
    const std::vector<Case> cases{
        {"refused", {}, 3000, 5000, [](int code) { return code < 0 && code != FacebookUploadRequest::kTimedOut; }},
        {"not found", answer(Answer::text("no", 404)), 3000, 5000, status(404)},
        {"unavailable", answer(Answer::text("later", 503)), 3000, 5000, status(503)},
        {"redirected", answer(Answer::redirect("/elsewhere")), 3000, 5000, status(302)},
        {"closed part-way", [](LoopbackHttpServer& host) { host.setCloseAfterBodyBytes(100); }, 3000, 5000,
         [](int code) { return code < 0 && code != FacebookUploadRequest::kTimedOut; }},
        {"stalled", [](LoopbackHttpServer& host) { host.setStallAfterBodyBytes(64 * 1024); }, kBigFile, 300,
         status(FacebookUploadRequest::kTimedOut)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ThreadedServer server;
        ASSERT_TRUE(server.listening());
        if (c.arrange)
            server.run([&] { c.arrange(*server); });
        Reports reports;
        auto request = start(c.arrange ? server->baseUrl() : refused, recording(c.fileSize), reports, c.timeoutMs);
        ASSERT_TRUE(waitFor([&] { return reports.ended(); }));
        EXPECT_EQ(reports.failures, 1);
        EXPECT_EQ(reports.finished, 0);
        EXPECT_TRUE(c.codeIs(reports.code)) << reports.code;
        EXPECT_FALSE(request->isRunning());
        server.run([&] { server->resumeReading(); }); // a stalled host sees the close once it reads
        EXPECT_TRUE(waitFor([&] { return server->openConnections() == 0; }));
    }
}

TEST_F(FacebookUploadRequestTest, AHostWithAnUntrustedCertificateGetsNothing)
{
    const SelfSignedIdentity identity;
    ASSERT_TRUE(identity.isValid()) << identity.error().toStdString();
    ThreadedServer server(identity.serverConfiguration());
    ASSERT_TRUE(server.listening());
    Reports reports;
    auto request = start(server->baseUrl(), recording(3000), reports);

    ASSERT_TRUE(waitFor([&] { return reports.ended(); }));
    EXPECT_EQ(reports.failures, 1);
    EXPECT_EQ(reports.code, -int(QNetworkReply::SslHandshakeFailedError));
    EXPECT_TRUE(waitFor([&] { return server->openConnections() == 0; }));
    EXPECT_EQ(server->requestCount(), 0);
    EXPECT_EQ(server->bodyBytesReceived(), 0);
}

TEST_F(FacebookUploadRequestTest, ARecordingCutShortMidUploadFails)
{
    ThreadedServer server;
    ASSERT_TRUE(server.listening());
    server.run([&] { server->setStallAfterBodyBytes(64 * 1024); });
    const QString path = recording(kBigFile);
    Reports reports;
    auto request = start(server->baseUrl(), path, reports);
    ASSERT_TRUE(waitFor([&] { return server->isStalled(); }));
    QFile file(path);
    ASSERT_TRUE(file.resize(1 << 20));
    server.run([&] { server->resumeReading(); });

    ASSERT_TRUE(waitFor([&] { return reports.ended(); }));
    EXPECT_EQ(reports.failures, 1);
    EXPECT_EQ(reports.code, FacebookUploadRequest::kFileUnreadable);
    EXPECT_TRUE(waitFor([&] { return server->openConnections() == 0; }));
    EXPECT_EQ(server->requestCount(), 0);
}

TEST_F(FacebookUploadRequestTest, CancelStopsTheTransfer)
{
    ThreadedServer server;
    ASSERT_TRUE(server.listening());
    server.run([&] { server->setStallAfterBodyBytes(64 * 1024); });
    Reports reports;
    auto request = start(server->baseUrl(), recording(kBigFile), reports);
    ASSERT_TRUE(waitFor([&] { return !reports.sent.isEmpty() && server->isStalled(); }));
    request->cancel();
    const int reportsAtCancel = reports.count();
    EXPECT_FALSE(request->isRunning());
    server.run([&] { server->resumeReading(); });

    EXPECT_TRUE(waitFor([&] { return server->openConnections() == 0; }));
    QTest::qWait(100);
    EXPECT_EQ(reports.count(), reportsAtCancel);
    EXPECT_EQ(server->requestCount(), 0);
    EXPECT_LT(server->bodyBytesReceived(), request->bodyLength());
}

TEST_F(FacebookUploadRequestTest, ReportsQueuedBeforeACancelNeverArrive)
{
    ThreadedServer server;
    ASSERT_TRUE(server.listening());
    server.run([&] {
        server->route("/me/videos", [](const LoopbackHttpServer::Request&) { return Answer::text("no", 500); });
    });
    Reports reports;
    auto request = start(server->baseUrl(), recording(3000), reports);
    // Without events here, the progress and the failure wait in this thread's queue.
    ASSERT_TRUE(sleepUntil([&] { return server->requestCount() == 1; }));
    QThread::msleep(100);
    request->cancel();
    QTest::qWait(100);
    EXPECT_EQ(reports.count(), 0);
}
