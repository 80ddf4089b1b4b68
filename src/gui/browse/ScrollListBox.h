#pragma once
// What the file list and the drop-down list share: rows of texts in slots from the top, one
// selected row, and an image scroll bar (arrows, track, thumb) with paging, thumb dragging,
// held arrows that repeat and roll-over states. Each list draws its own rows and background
// and says what a click on a row means.
//
// Geometry is kept y-up (origin at the bottom-left), as the list's arithmetic is written.

#include "controls/StateImages.h"

#include <QImage>
#include <QRectF>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <vector>

class ScrollListBox : public QWidget {
    Q_OBJECT
public:
    // What a point on the scroll bar means.
    enum ScrollHit { HitNone = 0, HitUpSpin = 1, HitDownSpin = 2, HitPageUp = 3, HitPageDown = 4, HitThumb = 5 };
    // Indexes into the four state images; the list uses normal and roll-over only.
    enum { StateNormal = 0, StateRollover = 2 };

    void setRealParent(const QString& parentIdentity) { strParentWindow = parentIdentity; }
    const QString& realParent() const { return strParentWindow; }

    // Appends the text; the index is not used.
    void insertString(int index, const QString& text);
    QString getText(int index) const;
    int getCount() const { return nTotalCount; }
    int getCurSel() const { return nCurSelectIndex; }
    // Selects the row and scrolls as little as needed to show it. No redraw of its own.
    void setCurSel(int index);
    // A row chosen without the mouse (assistive technology): selected, shown and reported as
    // a click with that many clicks would be.
    void clickRow(int row, int clickCount);
    void resetContent();
    const QStringList& listBoxData() const { return mListBoxData; }
    void setListBoxData(const QStringList& rows);

    void relayoutContents(bool rightToLeft, const QSize& size);
    void loadSkinBitmap();

    int startIndex() const { return nListBoxStartIndex; }
    int itemCount() const { return nItemCount; }
    bool isScrollEnabled() const { return bScrollEnable; }
    int upSpinState() const { return nUpSpinState; }
    int downSpinState() const { return nDownSpinState; }
    int thumbState() const { return nThumbState; }
    QSize itemSize() const { return QSize(nItemWidth, nItemHeight); }
    // Frames in Qt's top-down coordinates of the view, for owners and tests that click them.
    QRect slotFrame(int slot) const;
    QRect upSpinFrame() const;
    QRect downSpinFrame() const;
    QRect thumbFrame() const;

protected:
    ScrollListBox(const QRect& frame, const QString& selectionImageName, int slotTableSize, QWidget* parent);

    // How many slots a view of that height shows.
    virtual int visibleSlots(int height) const = 0;
    // Where the scroll bar and the row area go for the current size and direction.
    virtual double scrollBarX() const = 0;
    virtual QRectF clientRect() const = 0;
    virtual void loadRowImages() = 0;
    virtual void drawBackground(QPainter& painter, const QRect& area) = 0;
    virtual void drawTrack(QPainter& painter, const QRect& area) = 0;
    virtual void drawRows(QPainter& painter) = 0;
    // A click landed on a row, which is selected already.
    virtual void rowClicked(int row, int clickCount) = 0;
    virtual bool hasWheelScrolling() const = 0;

    // The list is done being made: lay it out for its frame.
    void finishConstruction();
    QRect toQt(const QRectF& yUp) const;
    // The row shown in the slot, or -1 for an empty slot.
    int rowInSlot(int slot) const;
    bool isSelectionVisible() const;
    QRectF currentThumbRect() const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

    QString strParentWindow;
    int nItemWidth = 0;
    int nItemHeight = 0;
    int nItemCount = 0;
    int nBackgroundWidth = 0;
    int nBackgroundHeight = 0;
    bool bDrawR2L = false;
    int nListBoxStartIndex = 0;
    int nCurSelectIndex = 0;
    int nTotalCount = 0;
    int nSpinWidth = 0;
    int nSpinHeight = 0;
    int nThumbW = 0;
    int nThumbH = 0;
    std::vector<QRectF> rectItem;
    QRectF rectScroll, rectUpSpin, rectDownSpin, rectThumbBegin, rectListBoxClient;
    QImage selectedImage;
    QImage scrollBarImage;

private:
    void loadScrollImages();
    void mouseDown(const QPointF& qtPoint, int clickCount);
    ScrollHit hitTest(const QPointF& yUp) const;
    void updateScrollState();
    int maxStart() const { return std::max(0, nTotalCount - nItemCount); }
    void clampStart();
    void onScrollTimer();
    void setHoverState(int& state, const QRectF& rect, const QPointF& yUp);

    QString mSelectionImageName;
    QStringList mListBoxData;
    short nDragBegin = 0;
    short nDragEnd = 0;
    bool bScrollEnable = false;
    float fThumbGap = 0;
    int nUpSpinState = StateNormal;
    int nDownSpinState = StateNormal;
    int nThumbState = StateNormal;
    bool bDragging = false;
    QPointF ptLastPoint;
    QTimer hScrollTimer;
    StateImages mUpSpinImages, mDownSpinImages, mThumbImages;
};

// The image of a state index (0 normal, 1 pressed, 2 roll-over, 3 disabled).
const QImage& pmStateImage(const StateImages& images, int state);
