#pragma once
// The drop-down list a combo box opens: eight rows of texts beside the image scroll bar.
// While it is open it captures the mouse for the whole application: a click anywhere outside
// it closes it (its owner hears -1) and goes no further.

#include "ScrollListBox.h"

#include <QFont>

class ListBox : public ScrollListBox {
    Q_OBJECT
public:
    static constexpr int kVisibleRows = 8;

    explicit ListBox(const QRect& frame, QWidget* parent = nullptr);
    ~ListBox() override;

    void setCaptureMouseEvent();
    void clearCaptureMouseEvent();
    bool isCapturingMouse() const { return mCapturing; }

protected:
    int visibleSlots(int height) const override;
    double scrollBarX() const override;
    QRectF clientRect() const override;
    void loadRowImages() override;
    void drawBackground(QPainter& painter, const QRect& area) override;
    void drawTrack(QPainter& painter, const QRect& area) override;
    void drawRows(QPainter& painter) override;
    void rowClicked(int row, int clickCount) override;
    bool hasWheelScrolling() const override { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void postChoice(int entry);

    QImage mBackgroundTile; // eight rows, "calendar_list_bg_2.png" at the top
    QFont mFont;
    bool mCapturing = false;
};
