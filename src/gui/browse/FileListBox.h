#pragma once
// The skinned list in which the user picks a recording: one row per play-list entry with the
// play mark, the category icon, the file name and the file's date and time. It tells its
// owner about clicks by notifications and never talks to the controller.

#include "ScrollListBox.h"

#include <QFont>

#include <array>

class FileListBox : public ScrollListBox {
    Q_OBJECT
public:
    // The most rows the list can show, however tall it is.
    static constexpr int kSlotTableSize = 40;
    // Names longer than this are cut and end in "...".
    static constexpr int kNameLength = 23;

    explicit FileListBox(const QRect& frame, QWidget* parent = nullptr);

    // Sets the row that carries the play mark and redraws; -1 removes it.
    void showPlayMark(int index);
    int playMarkIndex() const { return nPlayVideoIndex; }

    // The texts a row shows: the name as cut, and the date and time ("-" for a vanished file).
    struct RowTexts {
        QString name;
        QString date;
        QString time;
    };
    RowTexts rowTexts(int row);
    // The category icon a row shows, null for none.
    const QImage& categoryIcon(int row) const;

protected:
    int visibleSlots(int height) const override;
    double scrollBarX() const override;
    QRectF clientRect() const override;
    void loadRowImages() override;
    void drawBackground(QPainter& painter, const QRect& area) override;
    void drawTrack(QPainter& painter, const QRect& area) override;
    void drawRows(QPainter& painter) override;
    void rowClicked(int row, int clickCount) override;
    bool hasWheelScrolling() const override { return true; }

private:
    // The date and time texts of a row for its file's modification time, kept until the time
    // read at a later draw differs.
    struct DateCache {
        QString path;
        qint64 modified = 0;
        QString date;
        QString time;
    };
    const DateCache& dateTexts(int slot, const QString& path);
    void drawRow(QPainter& painter, int slot, int row);
    QColor textColour(int row) const;
    double mirroredX(double x, double width) const;

    int nPlayVideoIndex = -1;
    QImage mBackgroundTile; // "list_bg_2.png" above "list_bg_1.png"
    QImage poPlayBitamp;
    QImage poEvenBitamp;
    QImage poParkingBitamp;
    QFont mNameFont;
    QFont mDateFont;
    double mNameLineHeight = 0; // the height of "TEST" in the name font
    std::array<DateCache, kSlotTableSize> mDateCache;
};
