#include "library/LibraryIndex.h"

#include <algorithm>
#include <numeric>

namespace {

bool isEarlier(const AMediaFile& a, const AMediaFile& b)
{
    if (a.fileDate() != b.fileDate())
        return a.fileDate() < b.fileDate(); // an absent date orders first
    return a.URL() < b.URL();
}

} // namespace

LibraryIndex::LibraryIndex(const std::vector<AMediaFile>& files) : mOrder(files.size()), mDays(files.size(), 0)
{
    // Sorting positions rather than records keeps a 100,000-recording library from copying paths.
    std::iota(mOrder.begin(), mOrder.end(), size_t{0});
    std::stable_sort(mOrder.begin(), mOrder.end(), [&](size_t a, size_t b) { return isEarlier(files[a], files[b]); });
    for (size_t i = 0; i < files.size(); ++i)
        if (files[i].fileDate())
            mDays[i] = keyOf(pmCalendarDate(*files[i].fileDate()));
    mDaysWithRecordings = mDays;
    std::sort(mDaysWithRecordings.begin(), mDaysWithRecordings.end());
    mDaysWithRecordings.erase(std::unique(mDaysWithRecordings.begin(), mDaysWithRecordings.end()),
                              mDaysWithRecordings.end());
    if (!mDaysWithRecordings.empty() && mDaysWithRecordings.front() == 0)
        mDaysWithRecordings.erase(mDaysWithRecordings.begin());
}

bool LibraryIndex::hasDay(const CalendarDate& day) const
{
    return std::binary_search(mDaysWithRecordings.begin(), mDaysWithRecordings.end(), keyOf(day));
}
