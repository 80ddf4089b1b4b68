#pragma once
// The start and the end of a clip, marked while watching: each a moment of a play-list entry.
// The end may lie in a later recording of the start's trip. A mark set where it cannot make a
// clip with the other one (in another trip, or on the wrong side of it) clears the other one:
// the user's last mark always stands, and a stale one never makes a clip across two drives.
// The marks name play-list positions, so a new play list clears them.

#include "controls/Slider.h"

#include <QObject>

#include <functional>
#include <vector>

struct ClipMark {
    int entry = -1;     // the play-list entry, -1 when not set
    double seconds = 0; // into that recording

    bool isSet() const { return entry >= 0; }
};

class ClipMarks : public QObject {
    Q_OBJECT
public:
    // The recordings of one trip from the first entry to the last, inclusive, as the entries
    // carrying it (a front for its rear partner); empty when the two are in different trips
    // or last comes before first.
    using Stretch = std::function<std::vector<int>(int first, int last)>;

    explicit ClipMarks(QObject* parent = nullptr);

    // Without one, a clip stays within one recording.
    void setStretch(Stretch stretch) { mStretch = std::move(stretch); }
    void setIn(int entry, double seconds);
    void setOut(int entry, double seconds);
    void clear();
    const ClipMark& in() const { return mIn; }
    const ClipMark& out() const { return mOut; }
    // Both marks are set and the end comes after the start.
    bool isComplete() const { return mIn.isSet() && mOut.isSet(); }
    // The entries the clip runs through, first to last; empty unless complete.
    std::vector<int> recordings() const;
    // What the time slider shows while the entry is open.
    SliderMarks sliderMarks(int entry) const;

signals:
    void changed();

private:
    bool fits(const ClipMark& in, const ClipMark& out) const;
    // Sets one mark, clearing the other when the two would make no clip.
    void place(ClipMark& mark, ClipMark& other, ClipMark placed);

    Stretch mStretch;
    ClipMark mIn;
    ClipMark mOut;
};
