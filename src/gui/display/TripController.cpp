#include "TripController.h"

#include "NotificationCenter.h"
#include "NotificationNames.h"

#include "MapView.h"
#include "library/CameraPairing.h"
#include "trips/TripSegments.h"

#include <QFileInfo>
#include <QtConcurrent>

#include <algorithm>
#include <chrono>

namespace {

// Lists up to a few days' driving are read ahead; the cache keeps 4,096 tracks.
constexpr size_t kReadAheadLimit = 2000;

bool sameRecordings(const std::vector<AMediaFile>& a, const std::vector<AMediaFile>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const AMediaFile& x, const AMediaFile& y) {
        return x.URL() == y.URL() && x.fileDate() == y.fileDate();
    });
}

} // namespace

// What a worker read for one trip.
struct TripRead {
    int request = 0;
    int trip = -1;
    std::vector<TrackSegment> segments;
    TripTrackFigures figures;
};

TripController::TripController(MapView* map, QObject* parent)
    : QObject(parent), mMap(map), mEntries(std::make_shared<const std::vector<AMediaFile>>()),
      mIndex(std::make_shared<const TripIndex>()), mCache(std::make_shared<TrackCache>())
{
    NotificationCenter::defaultCenter().addObserver(this, kMapViewRouteClickedNotification, [this](const Notification& n) {
        onRouteClicked(n.object.toInt(), n.userInfo.value(kRouteSecondKey).toInt());
    });
    connect(&mReader, &QFutureWatcherBase::finished, this, &TripController::onTripRead);
}

// A read still running holds its own references to what it reads; its answer goes nowhere,
// and a read-ahead stops at its next trip.
TripController::~TripController()
{
    ++*mListGeneration;
    NotificationCenter::defaultCenter().removeObserver(this);
}

void TripController::setRecordings(std::vector<AMediaFile> entries)
{
    // A rebuild that lists the same recordings keeps the drawn trip: drawing a day's trip again
    // is the page's dearest work, and its positions still hold.
    if (sameRecordings(*mEntries, entries))
        return;
    auto list = std::make_shared<const std::vector<AMediaFile>>(std::move(entries));
    mIndex = std::make_shared<const TripIndex>(*list);
    mEntries = std::move(list);
    clearTrip();
    readTracksAhead();
}

// The trips' tracks are read on a worker while the user looks at the list, so the first
// recording opened draws its trip without waiting for them.
void TripController::readTracksAhead()
{
    const int generation = ++*mListGeneration;
    if (mEntries->size() > kReadAheadLimit)
        return;
    QThreadPool::globalInstance()->start([entries = mEntries, index = mIndex, cache = mCache,
                                          current = mListGeneration, generation] {
        for (const Trip& trip : index->trips()) {
            if (current->load() != generation)
                return;
            pmTrackSegments(trip.chain, *entries, *cache);
        }
    });
}

int TripController::chainMember(int trip, int entry) const
{
    const std::vector<int>& chain = mIndex->trips()[size_t(trip)].chain;
    if (std::find(chain.begin(), chain.end(), entry) != chain.end())
        return entry;
    return getAnotherCameraFile(*mEntries, entry);
}

void TripController::showTrip(int entry)
{
    const int trip = mIndex->tripOf(entry);
    if (trip >= 0 && trip == mReadingTrip) {
        // The read under way is of this trip: it draws this recording as the open one.
        mReadingCurrent = chainMember(trip, entry);
        return;
    }
    ++mRequest;
    mReadingTrip = -1;
    if (trip < 0) {
        clearTrip();
        return;
    }
    const int current = chainMember(trip, entry);
    if (trip == mShownTrip) {
        mMap->SetTripCurrent(current);
        emit tripShown(entry);
        return;
    }
    auto entries = mEntries;
    auto index = mIndex;
    auto cache = mCache;
    const int request = mRequest;
    mReadingTrip = trip;
    mReadingCurrent = current;
    mReader.setFuture(QtConcurrent::run([entries, index, cache, trip, request] {
        auto read = std::make_shared<TripRead>();
        read->request = request;
        read->trip = trip;
        read->segments = pmTrackSegments(index->trips()[size_t(trip)].chain, *entries, *cache);
        read->figures = pmTripTrackFigures(read->segments);
        return read;
    }));
}

void TripController::onTripRead()
{
    const std::shared_ptr<TripRead> read = mReader.result();
    if (!read || read->request != mRequest)
        return;
    mShownTrip = read->trip;
    mReadingTrip = -1;
    mMap->DrawTrip(read->segments, mReadingCurrent);
    mMap->setTripFigures(read->figures.metres, mIndex->trips()[size_t(read->trip)].drivingSeconds);
    emit tripShown(mReadingCurrent);
}

void TripController::clearTrip()
{
    ++mRequest;
    mReadingTrip = -1;
    mShownTrip = -1;
    mMap->ClearTrip();
    mMap->clearTripFigures();
}

void TripController::onRouteClicked(int entry, int second)
{
    // Only the drawn trip's recordings: an answer about an older trip names stale positions.
    if (mShownTrip < 0 || mIndex->tripOf(entry) != mShownTrip)
        return;
    emit recordingClicked(entry, second);
}

TrackExportDialog::Names TripController::exportNames(int entry) const
{
    TrackExportDialog::Names names;
    if (mIndex->tripOf(entry) < 0)
        return names;
    const auto stem = [this](int at) { return QFileInfo(QString::fromStdString((*mEntries)[size_t(at)].URL())).completeBaseName(); };
    names.recording = stem(entry);
    const std::vector<int> trip = pmExportRecordings(*mIndex, *mEntries, ExportScope::Trip, entry);
    if (trip.size() > 1)
        names.trip = stem(trip.front()) + "-" + stem(trip.back());
    const std::optional<FileTime>& date = (*mEntries)[size_t(entry)].fileDate();
    if (date && pmExportRecordings(*mIndex, *mEntries, ExportScope::Day, entry).size() > 1)
        names.day = QString::fromStdString(pmDateText(*date)).replace('/', '-');
    return names;
}

bool TripController::exportJourney(const QString& path, ExportFormat format, ExportScope scope, int entry)
{
    const std::vector<int> recordings = pmExportRecordings(*mIndex, *mEntries, scope, entry);
    const std::vector<TrackSegment> segments = pmTrackSegments(recordings, *mEntries, *mCache);
    return pmExportSegments(path.toStdString(), format, segments, QFileInfo(path).completeBaseName().toStdString(),
                            std::chrono::system_clock::now());
}
