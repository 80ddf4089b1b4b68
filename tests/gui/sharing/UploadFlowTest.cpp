// The controller's Facebook upload from start to end against loopback services: sign-in,
// the choice of recordings in the selection dialog, the upload editor and its requests.
#include "../GuiTestSupport.h"
#include "LoopbackHttpServer.h"
#include "SharingTestSupport.h"

#include "LocalizedText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "sharing/EditUploadDlg.h"
#include "sharing/LoginDlg.h"
#include "tools/BackupDlg.h"
#include "util/Log.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Answer = LoopbackHttpServer::Answer;

void clickRow(QTableWidget* table, int row, Qt::KeyboardModifiers modifiers)
{
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, cell.center());
}

class UploadFlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (LoopbackHttpServer* server : {&www, &graph, &video})
            ASSERT_TRUE(server->listen());
        qputenv("KORIV_FACEBOOK_WWW", www.baseUrl().toUtf8());
        qputenv("KORIV_FACEBOOK_GRAPH", graph.baseUrl().toUtf8());
        qputenv("KORIV_FACEBOOK_VIDEO", video.baseUrl().toUtf8());
        const QByteArray success = www.baseUrl().toUtf8() + "/connect/login_success.html";
        www.route("/v2.3/dialog/oauth", [success](const LoopbackHttpServer::Request&) {
            return Answer::redirect(success + "#access_token=TOKFLOW&expires_in=60");
        });
        www.route("/connect/login_success.html", [](const LoopbackHttpServer::Request&) { return Answer::text("ok"); });
        graph.route("/me/permissions", [](const LoopbackHttpServer::Request&) {
            return Answer::text(R"({"data":[{"permission":"publish_actions","status":"granted"}]})");
        });
        video.route("/me/videos", [](const LoopbackHttpServer::Request&) { return Answer::text("{\"id\":\"7\"}"); });
    }
    void TearDown() override
    {
        for (const char* name : {"KORIV_FACEBOOK_WWW", "KORIV_FACEBOOK_GRAPH", "KORIV_FACEBOOK_VIDEO"})
            qunsetenv(name);
    }

    QTemporaryDir folder;
    LoopbackHttpServer www, graph, video;
};

} // namespace

TEST_F(UploadFlowTest, SignsInChoosesTwoRecordingsAndUploadsThem)
{
    for (const char* name : {"F/FILE0001F.MP4", "F/FILE0002F.MP4", "F/FILE0003F.MP4"})
        writeRecording(folder.path(), name);
    auto app = launchApplication(folder.path());
    app->setConnectivityCheck([] { return true; });
    ASSERT_EQ(app->playlist().count(), 3);
    const int observers = NotificationCenter::defaultCenter().observerCount(kUploadVideoChangedNotification);

    // The selection dialog runs modally: the first and the third rows are chosen there.
    QString selectionTitle;
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        BackupDlg* selection = app->backupDlg();
        if (!selection || !selection->isVisible() || !selectionTitle.isEmpty())
            return;
        selectionTitle = selection->windowTitle();
        clickRow(selection->tableView(), 0, Qt::NoModifier);
        clickRow(selection->tableView(), 2, Qt::ControlModifier);
        QTest::mouseClick(selection->okButton(), Qt::LeftButton);
    });
    chooser.start(50);
    AlertRecorder alerts;
    pmClearLog();
    app->onButtonUploadFacebook(); // returns when the sign-in window has closed
    EXPECT_EQ(app->fbKey(), "TOKFLOW");
    ASSERT_TRUE(waitFor([&] { return app->editUploadDlg() && app->editUploadDlg()->isVisible(); }, 30000));
    EXPECT_EQ(selectionTitle, pmLoadString("IDS_UPLOAD_FACEBOOK"));
    EXPECT_EQ(NotificationCenter::defaultCenter().observerCount(kUploadVideoChangedNotification), observers);

    QTest::mouseClick(app->editUploadDlg()->findChild<QPushButton*>("uploadButton"), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return !alerts.messages().isEmpty(); }));
    EXPECT_EQ(alerts.messages(), QStringList({pmLoadString("IDS_UPLOAD_VIDEO_OK")}));
    const auto uploads = video.requests();
    ASSERT_EQ(uploads.size(), 2);
    for (int k = 0; k < 2; ++k) {
        const QString name = QFileInfo(QString::fromStdString(app->playlist().at(k * 2).URL())).fileName();
        EXPECT_TRUE(uploads[k].target.startsWith("/me/videos?access_token=TOKFLOW&title=" + name.toUtf8() + "&"));
        EXPECT_TRUE(uploads[k].body.contains("filename=\"" + name.toUtf8() + "\"\r\nContent-Type: video/mov\r\n"));
    }
    const QStringList log = logMessages();
    const int start = logIndexOf(log, "editUploadVideos start - upload to facebook !");
    EXPECT_GE(start, 0);
    EXPECT_GT(logIndexOf(log, "editUploadVideos show !", start), start);
}

TEST_F(UploadFlowTest, NoNetworkOrNoRecordingsStartsNoSignIn)
{
    auto empty = launchApplication(folder.path());
    empty->setConnectivityCheck([] { return true; });
    AlertRecorder alerts;
    empty->onButtonUploadFacebook();
    EXPECT_EQ(empty->loginDlg(), nullptr);
    empty.reset();

    writeRecording(folder.path(), "F/FILE0001F.MP4");
    auto offline = launchApplication(folder.path()); // its network check answers false
    offline->onButtonUploadFacebook();
    EXPECT_EQ(alerts.messages(), QStringList({pmLoadString("IDS_ERR_NO_INTERNET")}));
    EXPECT_EQ(offline->loginDlg(), nullptr);
    EXPECT_EQ(www.requestCount(), 0);
}
