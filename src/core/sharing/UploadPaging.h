#pragma once
// The paging of the upload editor's two record panels under its scroller: the position is the
// file shown in the first panel, the value the scroller's, from 0 to 1, with a knob of
// 1 / pageCount. Line steps move one file, page steps two, a drag one file each time the value
// has moved by more than a knob since the last change; the ends of the value are the ends of
// the list.

class UploadPaging {
public:
    enum Action { LineDown, LineUp, PageDown, PageUp, Drag };

    explicit UploadPaging(int fileCount);

    int pageCount() const { return m_nPageCount; }
    double proportion() const { return m_bProportion; }
    int position() const { return m_nScrollPos; }
    double value() const { return mValue; }

    // Applies the action (dragValue is the knob's value for Drag); true when the position
    // changed.
    bool apply(Action action, double dragValue = 0);

private:
    int m_nPageCount;
    double m_bProportion;
    int m_nScrollPos = 0;
    double mValue = 0;
    double m_bScrollValue = 0; // the value at the last position change
};
