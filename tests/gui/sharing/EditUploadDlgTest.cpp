// The upload editor against a loopback video host: the exact request of each recording, the
// paging of its two record panels, and every way an upload can end.
#include "../GuiTestSupport.h"
#include "LoopbackHttpServer.h"
#include "SharingTestSupport.h"

#include "LocalizedText.h"
#include "sharing/EditUploadDlg.h"
#include "util/Log.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* const kToken = "EAAtok3nS3cr3t";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EditUploadDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        qputenv("KORIV_FACEBOOK_VIDEO", server.baseUrl().toUtf8());
        pmClearLog();
    }
    void TearDown() override { qunsetenv("KORIV_FACEBOOK_VIDEO"); }

    QString recording(const QString& name, qint64 size) { return writePatternFile(dir.filePath(name), size); }

    std::unique_ptr<EditUploadDlg> open(const QStringList& playlist, const QList<int>& rows, int timeoutMs = 0)
    {
        auto dialog = std::make_unique<EditUploadDlg>();
        dialog->setPlaylistPaths(playlist);
        dialog->setSelectedFileIndexSet(rows);
        dialog->setVideoWebsite(1);
        dialog->setFBKey(kToken);
        if (timeoutMs > 0)
            dialog->setRequestTimeoutMs(timeoutMs);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    template <class T> static T* child(EditUploadDlg* dialog, const char* name)
    {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void click(EditUploadDlg* dialog, const char* button)
    {
        QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
    }
    static void replaceText(QWidget* field, const QString& text)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(field, ch.toLatin1());
            else // typed through an input method: no key code of its own
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    // Nothing the program wrote shows the access token.
    static void expectTokenHidden()
    {
        for (const QString& line : logMessages())
            EXPECT_FALSE(line.contains(kToken)) << line.toStdString();
        for (const QString& line : ConsoleRecorder::lines())
            EXPECT_FALSE(line.contains(kToken)) << line.toStdString();
    }

    QTemporaryDir dir;
    LoopbackHttpServer server;
};

} // namespace

TEST_F(EditUploadDlgTest, SendsEachRecordingAsTheExactMultipartRequestOneAfterTheOther)
{
    server.route("/me/videos", [](const LoopbackHttpServer::Request&) { return LoopbackHttpServer::Answer::text("{\"id\":\"1\"}"); });
    const QString mov = recording("FILE0001.MOV", 3000);
    const QString avi = recording("REC_0002.avi", 200);
    ConsoleRecorder console;
    AlertRecorder alerts;
    auto dialog = open({recording("other.mp4", 10), mov, avi}, {2, 1});

    EXPECT_EQ(child<QLabel>(dialog.get(), "fileName")->text(), "FILE0001.MOV");
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "editTitle2")->text(), "REC_0002.avi");
    replaceText(child<QLineEdit>(dialog.get(), "editTitle"), QString::fromUtf8("Tom & Jerry = #1 Путь"));
    replaceText(child<QPlainTextEdit>(dialog.get(), "editDescription"), "a=b&c");
    click(dialog.get(), "uploadButton");
    ASSERT_TRUE(waitFor([&] { return !alerts.messages().isEmpty(); }));

    EXPECT_EQ(alerts.messages(), QStringList({pmLoadString("IDS_UPLOAD_VIDEO_OK")}));
    EXPECT_FALSE(dialog->isVisible());
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2);
    const QByteArray expectedBody = "\r\n------------V2ymHFg03ehbqgZCaKO6jy\r\n"
                                    "Content-Disposition: form-data; name=\"upload_field\"; filename=\"FILE0001.MOV\"\r\n"
                                    "Content-Type: video/mov\r\n\r\n"
        + readAll(mov) + "\r\n------------V2ymHFg03ehbqgZCaKO6jy--\r\n";
    EXPECT_TRUE(requests[0].head.startsWith(
        "POST /me/videos?access_token=EAAtok3nS3cr3t&title=Tom%20%26%20Jerry%20%3D%20%231%20%D0%9F%D1%83%D1%82%D1%8C"
        "&description=a%3Db%26c HTTP/1.1\r\n"))
        << requests[0].head.toStdString();
    EXPECT_EQ(requests[0].header("Content-Type"), "multipart/form-data; boundary=----------V2ymHFg03ehbqgZCaKO6jy");
    EXPECT_EQ(requests[0].header("Content-Length"), QByteArray::number(expectedBody.size()));
    EXPECT_EQ(requests[0].body, expectedBody);
    EXPECT_TRUE(requests[1].head.startsWith("POST /me/videos?access_token=EAAtok3nS3cr3t&title=REC_0002.avi&description= "));
    EXPECT_TRUE(requests[1].body.contains("filename=\"REC_0002.avi\"\r\nContent-Type: video/avi\r\n\r\n"));

    const QStringList log = logMessages();
    const int start = logIndexOf(log, "EditUploadDlg::upload() - Start upload thread for 2 videos");
    EXPECT_GE(start, 0);
    EXPECT_GT(logIndexOf(log, "EditUploadDlg::uploadThreadFunctionMain - upload video : " + mov, start), start);
    EXPECT_GE(logIndexOf(log, "EditUploadDlg::facebookUpload - video size: 3000"), 0);
    EXPECT_GE(logIndexOf(log, "EditUploadDlg connection Upload percent = 100"), 0);
    EXPECT_GE(logIndexOf(log, "EditUploadDlg End"), 0);
    EXPECT_TRUE(console.lines().contains("Received data : {\"id\":\"1\"}"));
    expectTokenHidden();
}

TEST_F(EditUploadDlgTest, PagesTwoRecordsAtATimeAndKeepsTheEdits)
{
    const QStringList files{recording("A.MP4", 1), recording("B.MP4", 1), recording("C.MP4", 1)};
    auto single = open(files, {0});
    EXPECT_EQ(single->hScroller(), nullptr);
    EXPECT_FALSE(child<QWidget>(single.get(), "recordPanel2")->isVisible());
    single->close();
    auto pair = open(files, {0, 1});
    EXPECT_EQ(pair->hScroller(), nullptr);
    EXPECT_TRUE(child<QWidget>(pair.get(), "recordPanel2")->isVisible());
    pair->close();

    auto dialog = open(files, {0, 1, 2});
    QScrollBar* scroller = dialog->hScroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->geometry(), QRect(440, dialog->height() - 127 - 217, 20, 217));
    EXPECT_DOUBLE_EQ(double(scroller->pageStep()) / (scroller->maximum() - scroller->minimum() + scroller->pageStep()), 0.5);

    replaceText(child<QLineEdit>(dialog.get(), "editTitle2"), "second");
    replaceText(child<QPlainTextEdit>(dialog.get(), "editDescription2"), "by the lake");
    QTest::keyClick(scroller, Qt::Key_PageDown);
    EXPECT_EQ(dialog->scrollPosition(), 2);
    EXPECT_EQ(scroller->value(), scroller->maximum());
    EXPECT_EQ(child<QLabel>(dialog.get(), "fileName")->text(), "C.MP4");
    EXPECT_FALSE(child<QWidget>(dialog.get(), "recordPanel2")->isVisible());

    QTest::keyClick(scroller, Qt::Key_Up);
    EXPECT_EQ(dialog->scrollPosition(), 1);
    EXPECT_EQ(child<QLabel>(dialog.get(), "fileName")->text(), "B.MP4");
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "editTitle")->text(), "second");
    EXPECT_EQ(child<QPlainTextEdit>(dialog.get(), "editDescription")->toPlainText(), "by the lake");
    EXPECT_TRUE(child<QWidget>(dialog.get(), "recordPanel2")->isVisible());
    EXPECT_EQ(child<QLabel>(dialog.get(), "fileName2")->text(), "C.MP4");
    EXPECT_EQ(dialog->getTitlelist(0), "A.MP4");
}

TEST_F(EditUploadDlgTest, AFailedRecordingStopsTheRunWithTheFailureAlert)
{
    struct Case {
        const char* name;
        int status;             // answer of the service, 0: none
        qint64 closeAfterBytes; // the connection dropped part-way, -1: not
        bool deleteFirst;       // the recording is gone when its turn comes
    };
    for (const Case& c : {Case{"server error", 500, -1, false}, Case{"refused", 403, -1, false},
                          Case{"connection closed", 0, 100, false}, Case{"recording deleted", 0, -1, true}}) {
        SCOPED_TRACE(c.name);
        LoopbackHttpServer host;
        ASSERT_TRUE(host.listen());
        qputenv("KORIV_FACEBOOK_VIDEO", host.baseUrl().toUtf8());
        const int status = c.status;
        host.route("/me/videos", [status](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::Answer::text("{\"error\":{\"message\":\"no\"}}", status);
        });
        host.setCloseAfterBodyBytes(c.closeAfterBytes);
        const QString first = recording("FIRST.MOV", 5000);
        const QString second = recording("SECOND.MOV", 10);
        ConsoleRecorder console;
        AlertRecorder alerts;
        auto dialog = open({first, second}, {0, 1});
        if (c.deleteFirst)
            QFile::remove(first);
        click(dialog.get(), "uploadButton");
        ASSERT_TRUE(waitFor([&] { return !alerts.messages().isEmpty(); }));
        ASSERT_TRUE(waitForRequestsToEnd(dialog.get()));

        EXPECT_EQ(alerts.messages(), QStringList({pmLoadString("IDS_UPLOAD_VIDEO_FAILED")}));
        EXPECT_EQ(host.requestCount(), c.status ? 1 : 0);
        EXPECT_LE(host.bodyBytesReceived(), 5200); // nothing of the second recording
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->isUploading());
        EXPECT_FALSE(child<QPushButton>(dialog.get(), "uploadButton")->isEnabled());
        EXPECT_EQ(child<QPushButton>(dialog.get(), "cancelButton")->text(), pmLoadString("IDS_CANCEL"));

        click(dialog.get(), "cancelButton");
        EXPECT_FALSE(dialog->isUploading());
        EXPECT_TRUE(child<QPushButton>(dialog.get(), "uploadButton")->isEnabled());
        EXPECT_EQ(child<QPushButton>(dialog.get(), "cancelButton")->text(), pmLoadString("IDS_CLOSE"));
        click(dialog.get(), "cancelButton");
        EXPECT_FALSE(dialog->isVisible());
        expectTokenHidden();
    }
}

TEST_F(EditUploadDlgTest, ATimeOutAfterAllBytesCountsAsSentOneBeforeFails)
{
    int answered = 0;
    server.route("/me/videos", [&answered](const LoopbackHttpServer::Request&) {
        LoopbackHttpServer::Answer answer = LoopbackHttpServer::Answer::text("{}");
        if (answered++ == 0)
            answer.action = LoopbackHttpServer::Answer::NeverAnswer;
        return answer;
    });
    {
        AlertRecorder alerts;
        auto dialog = open({recording("A.MOV", 2000), recording("B.MOV", 2000)}, {0, 1}, 400);
        click(dialog.get(), "uploadButton");
        ASSERT_TRUE(waitFor([&] { return !alerts.messages().isEmpty(); }));
        EXPECT_EQ(alerts.messages(), QStringList({pmLoadString("IDS_UPLOAD_VIDEO_OK")}));
        EXPECT_EQ(server.requestCount(), 2);
        EXPECT_TRUE(logMessages().contains("EditUploadDlg connection error code = -1001, The request timed out."));
    }

    // The service stops reading part-way: the time-out is a failure.
    LoopbackHttpServer slow;
    ASSERT_TRUE(slow.listen());
    qputenv("KORIV_FACEBOOK_VIDEO", slow.baseUrl().toUtf8());
    slow.setStallAfterBodyBytes(64 * 1024);
    AlertRecorder alerts;
    auto dialog = open({recording("BIG.MOV", 48 << 20), recording("C.MOV", 10)}, {0, 1}, 400);
    click(dialog.get(), "uploadButton");
    ASSERT_TRUE(waitFor([&] { return !alerts.messages().isEmpty(); }));
    EXPECT_EQ(alerts.messages(), QStringList({pmLoadString("IDS_UPLOAD_VIDEO_FAILED")}));
    EXPECT_EQ(slow.requestCount(), 0);
}

TEST_F(EditUploadDlgTest, CancelOrCloseDuringAnUploadStopsItAndSendsNothingMore)
{
    for (const bool closeWindow : {false, true}) {
        SCOPED_TRACE(closeWindow ? "close" : "cancel");
        LoopbackHttpServer host;
        ASSERT_TRUE(host.listen());
        qputenv("KORIV_FACEBOOK_VIDEO", host.baseUrl().toUtf8());
        host.setStallAfterBodyBytes(64 * 1024);
        pmClearLog();
        AlertRecorder alerts;
        auto dialog = open({recording("BIG.MOV", 48 << 20), recording("NEXT.MOV", 10)}, {0, 1});
        click(dialog.get(), "uploadButton");
        auto* bar = child<QProgressBar>(dialog.get(), "progressIndicator");
        ASSERT_TRUE(waitFor([&] { return host.isStalled() && bar->value() > 0; }));
        EXPECT_EQ(child<QLabel>(dialog.get(), "PercentTextField")->text(), QString("%1 %").arg(dialog->percent()));
        EXPECT_LT(dialog->percent(), 100);
        EXPECT_FALSE(child<QLineEdit>(dialog.get(), "editTitle")->isEnabled());

        if (closeWindow)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            click(dialog.get(), "cancelButton");
        host.resumeReading();
        ASSERT_TRUE(waitForRequestsToEnd(dialog.get()));

        EXPECT_FALSE(dialog->isUploading());
        EXPECT_EQ(dialog->isVisible(), !closeWindow);
        EXPECT_TRUE(alerts.messages().isEmpty());
        EXPECT_EQ(host.requestCount(), 0);
        EXPECT_TRUE(child<QLineEdit>(dialog.get(), "editTitle")->isEnabled());
        EXPECT_EQ(logMessages().contains("EditUploadDlg End"), closeWindow);
    }
}

TEST_F(EditUploadDlgTest, ClicksElsewhereAreIgnoredWhileItIsOpen)
{
    QPushButton elsewhere("elsewhere");
    int clicks = 0;
    QObject::connect(&elsewhere, &QPushButton::clicked, [&clicks] { ++clicks; });
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
    auto dialog = open({recording("A.MOV", 1)}, {0});
    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    replaceText(child<QLineEdit>(dialog.get(), "editTitle"), "typed");
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "editTitle")->text(), "typed");
    click(dialog.get(), "cancelButton");
    EXPECT_FALSE(dialog->isVisible());
    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}
