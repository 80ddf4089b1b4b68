// The browsing panels on a library of 100,000 recordings over 365 days (empty files made by
// the benchmark, entered into the library as a scan would leave them), offscreen:
// - a category box clicked, and a calendar day clicked, until the refilled list is painted;
// - switching to the all-files list (every recording);
// - showing another month (42 day marks) with the month button, painted;
// - painting the file list with its visible rows and their file dates;
// - the memory the list's rows hold.
//
//   QT_QPA_PLATFORM=offscreen build/bench/browse_panels_bench [WORK_FOLDER]

#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "browse/CalendarView.h"
#include "browse/CheckBox.h"
#include "browse/FileListBox.h"
#include "browse/FileListView.h"
#include "controls/BitmapButton.h"
#include "library/CameraPairing.h"
#include "library/Playlist.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRecordings = 100000;
constexpr int kDays = 365;
const char* kPrefixes[] = {"FILE", "EMER", "PARK", "TRIP", "TIME"};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
    std::vector<double> samples;
    void add(double ms) { samples.push_back(ms); }
    void print(const char* what, double target) const
    {
        std::vector<double> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        double sum = 0;
        for (double s : sorted)
            sum += s;
        std::printf("%-52s median %7.3f ms  mean %7.3f ms  max %7.3f ms  (target %.0f ms, %zu runs)\n", what,
                    sorted[sorted.size() / 2], sum / double(sorted.size()), sorted.back(), target, sorted.size());
    }
};

// Recordings spread over the last 365 days, a few minutes apart within a day, every category.
std::vector<AMediaFile> makeLibrary(const std::string& folder)
{
    std::vector<AMediaFile> files;
    files.reserve(kRecordings);
    const auto now = std::chrono::system_clock::now();
    for (int i = 0; i < kRecordings; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/%s%05d%c.MP4", kPrefixes[i % 5], i, (i / 5) % 2 ? 'R' : 'F');
        const std::string path = folder + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const auto when = now - std::chrono::hours(24 * (i % kDays)) - std::chrono::seconds(60 * (i / kDays));
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
        const timespec times[2] = {{ns / 1000000000, ns % 1000000000}, {ns / 1000000000, ns % 1000000000}};
        ::futimens(fd, times);
        ::close(fd);
        files.emplace_back(path, std::chrono::time_point_cast<FileTime::duration>(when));
    }
    return files;
}

long residentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void clickCentre(QWidget* widget, const QRect& frame)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, frame.center());
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8()); // keep the user's settings and log untouched
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : home.path() + "/card";
    QDir().mkpath(work);

    auto start = Clock::now();
    std::vector<AMediaFile> library = makeLibrary(work.toStdString());
    std::printf("made %d recordings over %d days in %.0f ms\n", kRecordings, kDays, msSince(start));

    AppDelegate controller;
    controller.setConnectivityCheck([] { return false; });
    controller.setLaunchFolder(home.path()); // no recordings: the library comes below
    controller.awakeFromNib();
    controller.applicationWillFinishLaunching();
    controller.mainWindow()->resize(1280, 900);
    controller.mainWindow()->show();
    controller.applicationDidFinishLaunching();
    if (!QTest::qWaitForWindowExposed(controller.mainWindow()))
        std::printf("the window was not exposed: paint figures are not real\n");
    controller.relayoutContents();
    QCoreApplication::processEvents();
    controller.setVideoLib(std::move(library));
    // As after a folder is opened: the folder is watched, so the play lists trust its removals.
    controller.startMonitorFolder(work);
    std::printf("library watched: %s\n", controller.videoLib().isWatched() ? "yes" : "no");
    CalendarView* calendar = controller.calendarView();
    FileListView* panel = controller.fileListView();
    FileListBox* list = panel->fileListBox();
    start = Clock::now();
    calendar->VideoLibIsReady();
    controller.checkLastVideoDate();
    controller.rebuildPlaylist();
    std::printf("first rebuild (index of the library made) %.1f ms, %d rows on the newest day, %d slots\n",
                msSince(start), list->getCount(), list->itemCount());

    Figures category;
    CheckBox* event = panel->checkBox(FileListView::EventBox);
    for (int i = 0; i < 40; ++i) {
        start = Clock::now();
        clickCentre(event, event->rect());
        list->repaint();
        category.add(msSince(start));
    }
    category.print("category box clicked -> list painted (one day)", 50);

    // Days of the shown month up to the newest one, all with recordings.
    std::vector<int> recordedCells;
    const CalendarDate newest = calendar->chosenDay();
    for (int cell = 0; cell < kMonthGridCells; ++cell) {
        const CalendarDate& date = calendar->cells()[size_t(cell)];
        if (date.month == newest.month && date.day <= newest.day)
            recordedCells.push_back(cell);
    }
    Figures day;
    for (int i = 0; i < 40; ++i) {
        const int cell = recordedCells[size_t(i) % recordedCells.size()];
        start = Clock::now();
        clickCentre(calendar, calendar->cellFrame(cell));
        list->repaint();
        day.add(msSince(start));
    }
    day.print("calendar day clicked -> list painted", 50);

    Figures month;
    for (int i = 0; i < 40; ++i) {
        BitmapButton* button = i % 2 ? calendar->nextButton() : calendar->prevButton();
        start = Clock::now();
        QTest::mouseClick(button, Qt::LeftButton);
        calendar->repaint();
        month.add(msSince(start));
    }
    month.print("another month shown (42 day marks), painted", 2);
    Figures monthMarks;
    Figures calendarPaint;
    for (int i = 0; i < 40; ++i) {
        start = Clock::now();
        i % 2 ? calendar->onNextMonth() : calendar->onPrevMonth();
        monthMarks.add(msSince(start));
        start = Clock::now();
        calendar->repaint();
        calendarPaint.add(msSince(start));
    }
    monthMarks.print("  of which the month and its day marks", 2);
    calendarPaint.print("  of which the calendar's painting", 2);

    Figures paint;
    Figures render;
    QImage canvas(list->size(), QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 200; ++i) {
        start = Clock::now();
        list->repaint();
        paint.add(msSince(start));
        // The same drawing into an image of its own, which always runs every row's drawing.
        start = Clock::now();
        list->render(&canvas);
        render.add(msSince(start));
    }
    std::printf("file list: %d rows, %d shown\n", list->getCount(), std::min(list->getCount(), list->itemCount()));
    paint.print("file list painted (visible rows, file dates)", 4);
    render.print("  the same, drawn into an image", 4);

    Figures allFiles;
    Figures allCategory;
    long rowsKiB = 0;
    for (int i = 0; i < 6; ++i) {
        const long before = residentKiB();
        start = Clock::now();
        QTest::mouseClick(calendar->modeButton(), Qt::LeftButton); // to all files, and back
        list->repaint();
        const double ms = msSince(start);
        if (calendar->calendarMode() == 1) {
            allFiles.add(ms);
            rowsKiB = std::max(rowsKiB, residentKiB() - before);
            start = Clock::now();
            clickCentre(event, event->rect());
            list->repaint();
            allCategory.add(msSince(start));
        }
    }
    allFiles.print("mode switch to all files -> list painted", 50);
    allCategory.print("category box clicked -> list painted (all files)", 50);

    if (calendar->calendarMode() == 0)
        QTest::mouseClick(calendar->modeButton(), Qt::LeftButton);
    // Where an all-files rebuild goes: the library's filter (a lookup of every taken file on
    // disk), the list's rows, and the check for front and rear pairs.
    PlaylistFilter all;
    start = Clock::now();
    const Playlist everything = controller.videoLib().buildPlaylist(all);
    const double filterMs = msSince(start);
    VideoLibrary unwatched;
    unwatched.setVideoLib(controller.videoLib().videoLib());
    start = Clock::now();
    unwatched.buildPlaylist(all);
    const double diskMs = msSince(start);
    start = Clock::now();
    panel->buildFileList(everything.entries());
    const double rowsMs = msSince(start);
    start = Clock::now();
    const bool pairs = checkDualCameraFolder(everything);
    std::printf("all files, parts: filter %.1f ms (without a watch, with a disk lookup each: %.1f ms), list rows "
                "%.1f ms, pair check %.1f ms (%d)\n",
                filterMs, diskMs, rowsMs, msSince(start), pairs);
    const QStringList& rows = list->listBoxData();
    qsizetype characters = 0;
    for (const QString& row : rows)
        characters += row.size();
    const double perRow = double(sizeof(QString)) + double(characters) * 2.0 / double(rows.size()) + 16.0;
    std::printf("list rows: %lld, one string each: about %.0f bytes a row (%.1f MiB); resident growth on the "
                "first all-files fill %ld KiB\n",
                static_cast<long long>(rows.size()), perRow, perRow * double(rows.size()) / 1048576.0, rowsKiB);
    std::printf("play list entries: %d (a path and a date each)\n", controller.playlist().count());
    return 0;
}
