// The Facebook sign-in against a loopback web host and Graph API: the token read from the
// redirect, the permission check in every outcome, and one report per sign-in.
#include "../GuiTestSupport.h"
#include "LoopbackHttpServer.h"
#include "SharingTestSupport.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "sharing/LoginDlg.h"
#include "util/Log.h"

#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

const char* const kGranted = R"({"data":[{"permission":"user_videos","status":"granted"},)"
                             R"({"permission":"publish_actions","status":"granted"}]})";

class LoginDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(www.listen());
        ASSERT_TRUE(graph.listen());
        qputenv("KORIV_FACEBOOK_WWW", www.baseUrl().toUtf8());
        qputenv("KORIV_FACEBOOK_GRAPH", graph.baseUrl().toUtf8());
        www.route("/connect/login_success.html", [](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::Answer::text("<html><body>Success</body></html>");
        });
        NotificationCenter::defaultCenter().addObserver(this, kUploadVideoChangedNotification,
                                                        [this](const Notification& note) { reports << note.userInfo; });
        pmSetProfileString("FB_KEY", "");
        pmClearLog();
    }
    void TearDown() override
    {
        NotificationCenter::defaultCenter().removeObserver(this);
        qunsetenv("KORIV_FACEBOOK_WWW");
        qunsetenv("KORIV_FACEBOOK_GRAPH");
    }

    // The sign-in dialog redirects to the success page with this fragment or query.
    void redirectWith(const QByteArray& suffix)
    {
        const QByteArray target = www.baseUrl().toUtf8() + "/connect/login_success.html" + suffix;
        www.route("/v2.3/dialog/oauth", [target](const LoopbackHttpServer::Request&) {
            return LoopbackHttpServer::Answer::redirect(target);
        });
    }
    void answerPermissions(const LoopbackHttpServer::Answer& answer)
    {
        graph.route("/me/permissions", [answer](const LoopbackHttpServer::Request&) { return answer; });
    }
    // Waits for the report, then for what could still bring a second one: the permission
    // request ends, and a page that signed in answers a script, after the loading signals it
    // had sent.
    void waitForReport(LoginDlg& dialog)
    {
        ASSERT_TRUE(waitFor([this] { return !reports.isEmpty(); }, 30000));
        ASSERT_TRUE(waitForRequestsToEnd(&dialog));
        if (dialog.loginView()->url().isEmpty())
            return;
        bool answered = false;
        dialog.loginView()->page()->runJavaScript("0", [&answered](const QVariant&) { answered = true; });
        ASSERT_TRUE(waitFor([&answered] { return answered; }));
    }

    LoopbackHttpServer www;
    LoopbackHttpServer graph;
    QList<QVariantMap> reports;
};

} // namespace

TEST_F(LoginDlgTest, SignsInWithTheTokenOfTheRedirectAndReportsOnce)
{
    redirectWith("#access_token=EAATOK123xyz&expires_in=5183");
    answerPermissions(LoopbackHttpServer::Answer::text(kGranted));
    ConsoleRecorder console;
    LoginDlg dialog;
    dialog.setVideoWebsite(1);
    dialog.show();
    waitForReport(dialog);

    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0].value(kUploadTypeKey).toInt(), 1);
    EXPECT_EQ(reports[0].value(kFBKeyKey).toString(), "EAATOK123xyz");
    EXPECT_EQ(pmGetProfileString("FB_KEY", ""), "EAATOK123xyz");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(pmWaitingWindow(), nullptr);

    const QByteArray redirect = www.baseUrl().toUtf8().replace(":", "%3a").replace("/", "%2f").replace(".", "%2e")
        + "%2fconnect%2flogin%5fsuccess%2ehtml";
    ASSERT_GE(www.requestCount(), 1);
    const QByteArray expected = QByteArray("/v2.3/dialog/oauth?response_type=token&client_id=") + LoginDlg::kFacebookAppId
        + "&redirect_uri=" + redirect + "&type=user_agent&display=popup&scope=user_videos%2Cpublish_actions";
    EXPECT_EQ(www.requests()[0].target.toStdString(), expected.toStdString());
    ASSERT_EQ(graph.requestCount(), 1);
    EXPECT_EQ(graph.requests()[0].target, "/me/permissions?access_token=EAATOK123xyz");

    const QStringList log = logMessages();
    int at = logIndexOf(log, "LoginDlg Start");
    for (const char* line : {"LoginDlg::checkPermission () - start", "LoginDlg::CheckPermission - End - granted",
                             "LoginDlg End"}) {
        const int next = logIndexOf(log, line, at);
        EXPECT_GT(next, at) << line;
        at = next;
    }
    EXPECT_TRUE(console.lines().contains("--- End to parse facebook key ---"));
    for (const QString& line : log + console.lines())
        EXPECT_FALSE(line.contains("EAATOK123xyz")) << line.toStdString();
}

TEST_F(LoginDlgTest, ARefusedSignInReportsFailureOnce)
{
    redirectWith("?error=access_denied&error_code=200&error_reason=user_denied");
    ConsoleRecorder console;
    LoginDlg dialog;
    dialog.show();
    waitForReport(dialog);

    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0].value(kUploadTypeKey).toInt(), 0);
    EXPECT_FALSE(reports[0].contains(kFBKeyKey));
    EXPECT_EQ(graph.requestCount(), 0);
    EXPECT_TRUE(console.lines().contains("User canceled facebook login"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(LoginDlgTest, PermissionCheckFailsForEveryAnswerButAGrant)
{
    struct Case {
        const char* name;
        LoopbackHttpServer::Answer answer;
        bool apiFailed; // the request itself failed, rather than the answer declining
    };
    LoopbackHttpServer::Answer silent;
    silent.action = LoopbackHttpServer::Answer::NeverAnswer;
    const QByteArray declined = QByteArray(kGranted).replace("\"publish_actions\",\"status\":\"granted\"",
                                                             "\"publish_actions\",\"status\":\"declined\"");
    for (const Case& c : {Case{"not JSON", LoopbackHttpServer::Answer::text("<html>oops</html>"), false},
                          Case{"declined", LoopbackHttpServer::Answer::text(declined), false},
                          Case{"server error", LoopbackHttpServer::Answer::text(kGranted, 500), true},
                          Case{"never answers", silent, true}}) {
        SCOPED_TRACE(c.name);
        reports.clear();
        pmClearLog();
        answerPermissions(c.answer);
        LoginDlg dialog;
        dialog.setPermissionTimeoutMs(400);
        dialog.getFacebookKey(www.baseUrl() + "/connect/login_success.html#access_token=TOKX");
        // The check runs while the program goes on, under the waiting window: its answer
        // comes from the event loop, not before the call returns.
        EXPECT_TRUE(reports.isEmpty());
        EXPECT_NE(pmWaitingWindow(), nullptr);
        waitForReport(dialog);

        ASSERT_EQ(reports.size(), 1);
        EXPECT_EQ(reports[0].value(kUploadTypeKey).toInt(), 0);
        EXPECT_EQ(pmWaitingWindow(), nullptr);
        QStringList expected{"LoginDlg::checkPermission () - start"};
        if (c.apiFailed)
            expected << "LoginDlg::CheckPermission - FB Permission API failed !";
        expected << "LoginDlg::CheckPermission - End - declined";
        QStringList log = logMessages();
        log.removeIf([](const QString& line) { return line.startsWith("pmStartWait") || line.startsWith("pmEndWait"); });
        EXPECT_EQ(log, expected);
    }
}
