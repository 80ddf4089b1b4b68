// Folders and recordings handed in from outside the window: a drop on any panel, a command-line
// argument or file URL, and a second launch through the single-instance channel.
#include "GuiTestSupport.h"

#include "DesktopSession.h"
#include "InstanceChannel.h"
#include "MainWindow.h"
#include "OpenTarget.h"
#include "browse/FileListView.h"
#include "display/MapView.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

QString canonical(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

QString openRecordingPath(const AppDelegate& app)
{
    const int index = app.getCurPlayIndex();
    return index < 0 ? QString() : canonical(QString::fromStdString(app.playlist().at(index).URL()));
}

class OpenFromDesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeRecording(shown.path(), "MOVIE/FILE0001F.MP4");
        // A card with an event, then a front and a rear recording of one moment in twin
        // folders; written in that order, the pair stays together in the time order.
        writeRecording(card.path(), "DCIM/EVENTF/EMER0001F.MP4");
        writeRecording(card.path(), "DCIM/MOVIEF/FILE0007F.MP4");
        writeRecording(card.path(), "DCIM/MOVIER/FILE0007R.MP4");
        app = launchApplication(shown.path());
        session = std::make_unique<DesktopSession>(*app, DesktopSession::kOneOff);
    }
    void TearDown() override
    {
        session.reset();
        app.reset();
    }
    // A drag over the widget and, when it was taken, the drop; whether the drag was taken.
    bool drop(QWidget* target, const QList<QUrl>& urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint centre = target->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }
    static qsizetype scanCount()
    {
        return logMessages().filter(QRegularExpression("^AppDelegate::buildVideoLibrary - Start!")).size();
    }
    QString cardFile(const QString& relative) const { return canonical(card.filePath(relative)); }

    QTemporaryDir shown;
    QTemporaryDir card;
    std::unique_ptr<AppDelegate> app;
    std::unique_ptr<DesktopSession> session;
};

} // namespace

TEST_F(OpenFromDesktopTest, AFolderDroppedOnAPanelIsShownAsTheBrowseButtonWould)
{
    ASSERT_EQ(app->playlist().count(), 1);
    EXPECT_TRUE(drop(app->fileListView(), {QUrl::fromLocalFile(card.filePath("DCIM"))}));
    EXPECT_EQ(canonical(app->currentFolder()), cardFile("DCIM"));
    EXPECT_EQ(app->videoLib().size(), 3u);
    EXPECT_EQ(app->getCurPlayIndex(), -1); // showing a folder plays nothing
}

TEST_F(OpenFromDesktopTest, TheWebMapLeavesDropsToTheWindow)
{
    QWebEngineView* web = app->mapView()->webView();
    web->show();
    // The engine makes the page's surface when it gets round to it; either target must refuse.
    QTest::qWait(200);
    // The page's own surface when the engine has made one, else the view.
    QWidget* target = web->childAt(web->rect().center());
    EXPECT_TRUE(drop(target ? target : web, {QUrl::fromLocalFile(card.filePath("DCIM"))}));
    EXPECT_EQ(canonical(app->currentFolder()), cardFile("DCIM"));
}

TEST_F(OpenFromDesktopTest, ARecordingDroppedPlaysWithItsPartnerFromTheCardsLibrary)
{
    EXPECT_TRUE(drop(app->mainWindow(), {QUrl::fromLocalFile(card.filePath("DCIM/MOVIEF/FILE0007F.MP4"))}));
    // The library is the folder holding both cameras' folders, so the pair is found.
    EXPECT_EQ(canonical(app->currentFolder()), cardFile("DCIM"));
    EXPECT_EQ(openRecordingPath(*app), cardFile("DCIM/MOVIEF/FILE0007F.MP4"));
    EXPECT_TRUE(app->isDualCameraMode());

    // A recording of the library shown already plays without a new scan.
    const qsizetype scans = scanCount();
    EXPECT_TRUE(drop(app->mainWindow(), {QUrl::fromLocalFile(card.filePath("DCIM/EVENTF/EMER0001F.MP4"))}));
    EXPECT_EQ(openRecordingPath(*app), cardFile("DCIM/EVENTF/EMER0001F.MP4"));
    EXPECT_EQ(scanCount(), scans);
}

TEST_F(OpenFromDesktopTest, DropsOfNothingThatExistsAreRefusedAndChangeNothing)
{
    EXPECT_FALSE(drop(app->mainWindow(), {QUrl::fromLocalFile(card.filePath("gone.MP4"))}));
    EXPECT_FALSE(drop(app->mainWindow(), {QUrl("https://example.org/FILE0001F.MP4")}));
    EXPECT_FALSE(drop(app->mainWindow(), {}));
    EXPECT_EQ(canonical(app->currentFolder()), canonical(shown.path()));
    // Among several, the first that exists counts.
    EXPECT_TRUE(drop(app->mainWindow(), {QUrl::fromLocalFile(card.filePath("gone")), QUrl::fromLocalFile(card.filePath("DCIM/EVENTF"))}));
    EXPECT_EQ(canonical(app->currentFolder()), cardFile("DCIM/EVENTF"));
}

TEST(OpenTarget, ArgumentsArePathsOrFileUrlsOfFoldersOrRecordings)
{
    QTemporaryDir dir;
    writeRecording(dir.path(), "DCIM/MOVIEF/FILE0001F.MP4");
    const QString recording = dir.filePath("DCIM/MOVIEF/FILE0001F.MP4");

    EXPECT_EQ(OpenTarget::fromArgument(dir.path()).folder, dir.path());
    EXPECT_EQ(OpenTarget::fromArgument(recording).recording, recording);
    EXPECT_TRUE(OpenTarget::fromArgument(recording).folder.isEmpty());
    EXPECT_EQ(OpenTarget::fromArgument(QUrl::fromLocalFile(recording).toString()).recording, recording);
    EXPECT_TRUE(OpenTarget::fromArgument(dir.filePath("missing")).isEmpty());
    EXPECT_TRUE(OpenTarget::fromArgument(QString()).isEmpty());

    // Alone (no rear twin folder): its own folder, unless the folder shown holds it.
    EXPECT_EQ(OpenTarget::libraryFolderFor(recording, QDir::tempPath() + "/elsewhere"), canonical(dir.filePath("DCIM/MOVIEF")));
    EXPECT_EQ(OpenTarget::libraryFolderFor(recording, dir.path()), dir.path());
    // A folder whose name merely starts like the shown one does not hold it.
    QDir().mkpath(dir.filePath("DCIM/MOVIE"));
    EXPECT_NE(OpenTarget::libraryFolderFor(recording, dir.filePath("DCIM/MOVIE")), dir.filePath("DCIM/MOVIE"));
}

TEST(InstanceChannel, ASecondLaunchHandsOverARecordingBesideItsFolder)
{
    const QString name = "koriv-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    InstanceChannel running(name);
    ASSERT_TRUE(running.listen());
    QSignalSpy reopened(&running, &InstanceChannel::reopenRequested);
    InstanceChannel secondLaunch(name);
    EXPECT_TRUE(secondLaunch.askRunningInstanceToReopen(QString(), "/media/user/CARD/DCIM/Ünï FILE0001F.MP4"));
    EXPECT_TRUE(secondLaunch.askRunningInstanceToReopen("/media/user/CARD", "/media/user/CARD/FILE0002F.MP4"));
    EXPECT_TRUE(QTest::qWaitFor([&reopened] { return reopened.size() == 2; }, 3000));
    ASSERT_EQ(reopened.size(), 2);
    EXPECT_EQ(reopened[0][0].toString(), QString());
    EXPECT_EQ(reopened[0][1].toString(), "/media/user/CARD/DCIM/Ünï FILE0001F.MP4");
    EXPECT_EQ(reopened[1][0].toString(), "/media/user/CARD");
    EXPECT_EQ(reopened[1][1].toString(), "/media/user/CARD/FILE0002F.MP4");
}
