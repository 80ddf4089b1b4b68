#include "ClipMarks.h"

#include <algorithm>

ClipMarks::ClipMarks(QObject* parent)
    : QObject(parent), mStretch([](int first, int last) { return first == last ? std::vector<int>{first} : std::vector<int>{}; })
{
}

bool ClipMarks::fits(const ClipMark& in, const ClipMark& out) const
{
    if (in.entry == out.entry)
        return out.seconds > in.seconds;
    return !mStretch(in.entry, out.entry).empty();
}

void ClipMarks::place(ClipMark& mark, ClipMark& other, ClipMark placed)
{
    if (placed.entry < 0)
        return;
    mark = placed;
    if (other.isSet() && !fits(mIn, mOut))
        other = ClipMark();
    emit changed();
}

void ClipMarks::setIn(int entry, double seconds)
{
    place(mIn, mOut, {entry, seconds});
}

void ClipMarks::setOut(int entry, double seconds)
{
    place(mOut, mIn, {entry, seconds});
}

void ClipMarks::clear()
{
    if (!mIn.isSet() && !mOut.isSet())
        return;
    mIn = mOut = ClipMark();
    emit changed();
}

std::vector<int> ClipMarks::recordings() const
{
    if (!isComplete())
        return {};
    return mIn.entry == mOut.entry ? std::vector<int>{mIn.entry} : mStretch(mIn.entry, mOut.entry);
}

SliderMarks ClipMarks::sliderMarks(int entry) const
{
    SliderMarks marks;
    if (entry < 0)
        return marks;
    if (mIn.entry == entry)
        marks.in = int(mIn.seconds);
    if (mOut.entry == entry)
        marks.out = int(mOut.seconds);
    // A recording the clip runs through stands for itself or, for a rear one, its front.
    const std::vector<int> stretch = recordings();
    const std::vector<int> own = isComplete() ? mStretch(entry, entry) : std::vector<int>{};
    const bool inside = !own.empty() && std::find(stretch.begin(), stretch.end(), own.front()) != stretch.end();
    marks.fromStart = inside && !marks.in;
    marks.toEnd = inside && !marks.out;
    return marks;
}
