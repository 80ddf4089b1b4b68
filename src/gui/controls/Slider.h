#pragma once
// The skinned horizontal slider of the play bar: a background track, the track filled up to
// the thumb, the thumb and an optional event mark. User changes are posted as
// kSliderChangedNotification with the owner's identity string and the slider's own; the
// slider does not know what it controls. Programmatic changes post nothing, so the owner's
// timer updates never come back as user changes.
//
// Positions are worked out y-up (origin at the bottom-left) and turned into Qt's top-down
// coordinates in one place (flippedY). A click in an inactive window acts at once: Qt
// delivers it to the widget as any other click.

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

class Slider : public QWidget {
    Q_OBJECT
public:
    explicit Slider(const QRect& frame, QWidget* parent = nullptr);

    // The three image base names through the current skin, plus the event mark.
    void loadBitmaps(const QString& full, const QString& empty, const QString& thumb);
    // Ends any drag; the track length is measured from the current width.
    void setRange(int min, int max);
    void setCurrentValue(int value);
    int getCurrentValue() const { return nCurrentValue; }
    // A value chosen by the user without the mouse (assistive technology): clamped, and posted
    // as a drag would post it. A disabled slider ignores it.
    void moveByUser(int value);
    // The thumb's pixel x for the current value (the G-sensor cursor follows it).
    int getCurrentPos();
    // -1 removes the mark.
    void setEventMarkPos(int value);
    int eventMarkPos() const { return nEventPos; }
    void setRealParent(const QString& parentIdentity);
    // A disabled slider ignores the mouse and is drawn as usual.
    void setEnabled(bool enabled);
    bool isSliderEnabled() const { return m_bEnabled; }
    int minValue() const { return nMinValue; }
    int maxValue() const { return nMaxValue; }
    bool isDragging() const { return bInDragMode; }
    // The owner reloads the images with loadBitmaps; this only redraws.
    void loadSkinBitmap();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The pixel x of a value; an empty range puts every value at 0.
    int pixelPosition(int value) const;
    // The value a pixel distance along the track stands for; 0 for an empty range or track.
    int valueDistance(int pixels) const;
    int clamped(int value) const;
    // Qt's y of something h high whose bottom is y in the slider's y-up coordinates.
    int flippedY(int y, int h) const { return height() - y - h; }
    QPoint yUpPoint(const QMouseEvent* event) const;
    void beginDrag(const QPoint& point);
    void postChange();

    QImage poSliderEmptyBitmap;
    QImage poSliderFullBitmap;
    QImage poThumbBitmap;
    QImage poEventBitmap;

    int nMinValue = 0;
    int nMaxValue = 10;
    int nCurrentValue = 0;
    int nStartValue = 0;
    bool bInDragMode = false;
    QPoint ptLastPoint;
    int nThumbXPos = 0;
    int nSliderLength = 0;
    int nEventPos = -1;
    int nBackgroundWidth = 0;
    int nBackgroundHeight = 0;
    int nThumbWidth = 0;
    int nThumbHeight = 0;
    QString strParentWindow;
    bool m_bEnabled = true;
};
