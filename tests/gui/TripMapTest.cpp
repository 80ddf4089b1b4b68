// A trip on the bundled map page against loopback servers: the open recording's whole trip is
// drawn (the open part stronger, events marked), its figures reach the dashboard, a click on the
// route, made through the page, names the recording and the second of the nearest sample, and
// the export dialog writes the recording, its trip or its day.
#include "DriveCard.h"
#include "GpxSchema.h"
#include "GuiTestSupport.h"
#include "NotificationNames.h"
#include "LoopbackWebMap.h"
#include "TempDir.h"

#include "display/MapView.h"
#include "display/TrackExportDialog.h"
#include "display/TripController.h"

#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr double kStep = DriveCard::kStep;

double latitudeAt(int driveSecond)
{
    return DriveCard::latitudeAt(driveSecond);
}

class TripMap : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sMap = new LoopbackWebMap;
        sView = sMap->view();
    }

    static void TearDownTestSuite()
    {
        delete sMap;
        sView = nullptr;
    }

    // A dual camera's drive of three minutes, the middle one an event, then a minute an hour
    // later. In date order: FILE0001F, FILE0001R, EMER0002F, EMER0002R, FILE0003F, FILE0003R,
    // FILE0004F, FILE0004R.
    void SetUp() override
    {
        card.writeMinute("FILE0001", 9, 0, 0);
        card.writeMinute("EMER0002", 9, 1, 60);
        card.writeMinute("FILE0003", 9, 2, 120);
        card.writeMinute("FILE0004", 10, 0, 3600);
        entries = card.scan();
        ASSERT_EQ(entries.size(), 8u);
        controller = std::make_unique<TripController>(sView);
        controller->setRecordings(entries);
    }

    static bool openWebMap() { return sMap->openWebMap(); }
    static QString evaluate(const QString& script) { return sMap->evaluate(script); }

    static QJsonObject tripState()
    {
        return QJsonDocument::fromJson(evaluate("korivTripState()").toUtf8()).object();
    }

    // A click on the page, as a user's would arrive, at a place of the map.
    static void clickAt(double latitude, double longitude)
    {
        EXPECT_EQ(evaluate(QString("korivClickAt(%1, %2)").arg(latitude, 0, 'f', 7).arg(longitude, 0, 'f', 7)), "1");
    }

    bool showTrip(int entry)
    {
        QSignalSpy shown(controller.get(), &TripController::tripShown);
        controller->showTrip(entry);
        return !shown.isEmpty() || shown.wait(10000);
    }

    // Bright pixels along the dashboard's bottom strip, where the trip's figures go.
    static int brightPixelsInBottomStrip()
    {
        const QImage panel = sView->panelImage();
        int bright = 0;
        for (int y = panel.height() - MapView::kInfoBarHeight; y < panel.height(); ++y)
            for (int x = 0; x < panel.width() - 45; ++x)
                bright += qGray(panel.pixel(x, y)) > 200;
        return bright;
    }

    static LoopbackWebMap* sMap;
    static MapView* sView;
    TempDir dir;
    DriveCard card{dir};
    std::vector<AMediaFile> entries;
    std::unique_ptr<TripController> controller;
};

LoopbackWebMap* TripMap::sMap = nullptr;
MapView* TripMap::sView = nullptr;

} // namespace

TEST_F(TripMap, OpeningARecordingDrawsItsWholeTripAndItsFigures)
{
    // Drawn in dashboard mode, the trip waits for the page and is drawn once it loads.
    ASSERT_TRUE(showTrip(2));
    EXPECT_EQ(sView->tripFiguresText(), "Trip: 2.4 km, 0:03:00 driving");
    ASSERT_EQ(sView->GetMapMpde(), MapView::kModeDashboard);
    EXPECT_GT(brightPixelsInBottomStrip(), 20) << "the figures are written along the bottom";
    sView->clearTripFigures();
    EXPECT_EQ(brightPixelsInBottomStrip(), 0);
    ASSERT_TRUE(openWebMap());
    QJsonObject state = tripState();
    EXPECT_EQ(state.value("parts").toInt(), 3) << "the front camera's recordings";
    EXPECT_EQ(state.value("points").toInt(), 180);
    EXPECT_EQ(state.value("current").toInt(), 2);
    EXPECT_EQ(state.value("markers").toInt(), 1) << "the event recording";
    EXPECT_EQ(state.value("currentWeight").toInt(), 6);

    // Another recording of the drawn trip, or a rear one (its front is the open part): one
    // small script, no new read.
    ASSERT_TRUE(showTrip(4));
    EXPECT_EQ(tripState().value("current").toInt(), 4);
    ASSERT_TRUE(showTrip(1));
    state = tripState();
    EXPECT_EQ(state.value("current").toInt(), 0);
    EXPECT_EQ(state.value("parts").toInt(), 3);

    // The later drive is a trip of its own.
    ASSERT_TRUE(showTrip(6));
    EXPECT_EQ(tripState().value("parts").toInt(), 1);
    EXPECT_EQ(sView->tripFiguresText(), "Trip: 0.8 km, 0:01:00 driving");

    // A rebuild that lists the same recordings keeps the drawn trip; a new list clears the trip
    // and its figures.
    controller->setRecordings(entries);
    EXPECT_EQ(tripState().value("parts").toInt(), 1);
    controller->setRecordings(std::vector<AMediaFile>(entries.begin(), entries.end() - 2));
    EXPECT_EQ(tripState().value("parts").toInt(), 0);
    EXPECT_EQ(sView->tripFiguresText(), "");
}

TEST_F(TripMap, AClickOnTheRouteNamesTheRecordingAndSecondOfTheNearestSample)
{
    ASSERT_TRUE(openWebMap());
    ASSERT_TRUE(showTrip(0));
    ASSERT_TRUE(QTest::qWaitFor([] { return tripState().value("bridge").toBool(); }, 5000));
    // Second 17 of the event recording (drive second 77), on screen at zoom 17 (a step is
    // about 12 pixels there).
    sView->EnableMap(MapView::kStateAvailable);
    sView->SetPosition(latitudeAt(77), 121.0, 48, 30, 0);
    sView->ScriptSetZoom(17);
    QSignalSpy clicked(controller.get(), &TripController::recordingClicked);
    // The answer may come while the click's script is still being waited for.
    const auto answers = [&](qsizetype count) { return QTest::qWaitFor([&] { return clicked.count() >= count; }, 5000); };
    clickAt(latitudeAt(77), 121.0);
    ASSERT_TRUE(answers(1));
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicked.at(0).at(1).toInt(), 17);

    // A little beside the route and between two samples: the nearer one.
    clickAt(latitudeAt(77) + 0.3 * kStep, 121.00004);
    ASSERT_TRUE(answers(2));
    EXPECT_EQ(clicked.at(1).at(1).toInt(), 17);
    clickAt(latitudeAt(77) + 0.7 * kStep, 121.0);
    ASSERT_TRUE(answers(3));
    EXPECT_EQ(clicked.at(2).at(1).toInt(), 18);

    // Far from any route (about 140 m east): nothing happens.
    clickAt(latitudeAt(77), 121.0014);
    evaluate("''"); // a round trip through the page: a report of the click would be in by its answer
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_TRUE(tripState().value("hit").isNull());

    // An answer about a recording outside the drawn trip, or a negative one, is not passed on.
    NotificationRecorder fromPage(kMapViewRouteClickedNotification);
    evaluate("korivBridge.routeClicked(6, 5); korivBridge.routeClicked(-1, 5); ''");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fromPage.posts.empty(); }, 5000));
    evaluate("''");
    EXPECT_EQ(fromPage.posts.size(), 1u);
    EXPECT_EQ(clicked.count(), 3);
}

TEST_F(TripMap, TheExportDialogOffersWhatTheRecordingBelongsToAndWritesIt)
{
    TempDir exports;
    const QString folder = QString::fromStdString(exports.path());
    // A recording alone in its trip is offered with its day only.
    TrackExportDialog alone(nullptr, folder, controller->exportNames(6));
    ASSERT_EQ(alone.scopeBox()->count(), 2);
    EXPECT_EQ(alone.scopeBox()->itemText(1), "This day");

    auto* dialog = new TrackExportDialog(nullptr, folder, controller->exportNames(3));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    std::optional<std::tuple<QString, ExportScope, ExportFormat>> chosen;
    QObject::connect(dialog, &TrackExportDialog::exportChosen, [&](const QString& path, ExportScope scope, ExportFormat format) {
        chosen = {path, scope, format};
    });
    dialog->show();
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Export the track");
    ASSERT_EQ(dialog->scopeBox()->count(), 3);
    EXPECT_EQ(dialog->scopeBox()->itemText(0), "This recording");
    EXPECT_EQ(name->text(), "EMER0002R.kml");
    dialog->scopeBox()->setCurrentIndex(1);
    EXPECT_EQ(name->text(), "FILE0001F-FILE0003F.kml");
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->currentText(), "KML (*.kml)");
    QTest::keyClick(types, Qt::Key_Down); // as a user picks the next type
    ASSERT_EQ(types->currentText(), "GPX 1.1 (*.gpx)");
    EXPECT_EQ(name->text(), "FILE0001F-FILE0003F.gpx");
    dialog->scopeBox()->setCurrentIndex(2);
    EXPECT_EQ(name->text(), "2026-03-10.gpx");
    dialog->scopeBox()->setCurrentIndex(1);
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chosen.has_value(); }, 5000));

    // The trip of the rear recording is its front's: three segments, times and all.
    const auto [path, scope, format] = *chosen;
    EXPECT_EQ(path, folder + "/FILE0001F-FILE0003F.gpx");
    ASSERT_TRUE(controller->exportJourney(path, format, scope, 3));
    EXPECT_EQ(gpxSchemaErrors(path.toStdString()), "");
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray gpx = written.readAll();
    EXPECT_EQ(gpx.count("<trkseg>"), 3);
    EXPECT_EQ(gpx.count("<time>"), 180);
    EXPECT_TRUE(gpx.contains("<name>FILE0001F-FILE0003F</name>"));

    const QString csv = folder + "/day.csv";
    ASSERT_TRUE(controller->exportJourney(csv, ExportFormat::Csv, ExportScope::Day, 3));
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    EXPECT_EQ(rows.readAll().count('\n'), 241);
    EXPECT_FALSE(controller->exportJourney(folder + "/missing/x.kml", ExportFormat::Kml, ExportScope::Recording, 3));
}
