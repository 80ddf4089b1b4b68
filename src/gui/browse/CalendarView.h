#pragma once
// The month calendar above the file list panel: six weeks of days with a mark on every day
// the library holds recordings, one chosen day that the play list shows, month buttons and
// year and month drop-downs, and the mode button that folds it away for the all-files list.

#include "util/MonthGrid.h"

#include <QImage>
#include <QRectF>
#include <QWidget>

#include <array>
#include <functional>

class BitmapButton;
class ComboBox;

class CalendarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 2000;
    static constexpr int kLastYear = 2049;
    // The month grid folds away by this much in all-files mode.
    static constexpr int kFoldHeight = 209;

    explicit CalendarView(const QRect& frame, QWidget* parent = nullptr);
    ~CalendarView() override;

    void GetSelectDay(short& year, short& month, short& day) const;
    void SetActivateDay(int year, int month, int day);
    void VideoLibIsReady();
    // Which days hold recordings: asked for each day shown once the library is ready.
    void setDayMarks(std::function<bool(int year, int month, int day)> hasRecordings)
    {
        mDayMarks = std::move(hasRecordings);
    }
    void shrinkCalendarView(bool shrink);
    void relayoutContents(bool rightToLeft);
    void changeLanguage();
    void loadSkinBitmap();
    void changeTextColor();

    // The calendar's own size: that of its background.
    QSize calendarSize() const { return QSize(nCalendarWidth, nCalendarHeight); }
    int calendarMode() const { return nCalendarMode; }
    bool isShrunk() const { return bShrinkMode; }
    CalendarDate shownMonth() const { return {nSelectYear, nSelectMonth, 1}; }
    CalendarDate chosenDay() const { return {nFocusYear, nFocusMonth, nFocusDay}; }
    const std::array<CalendarDate, kMonthGridCells>& cells() const { return mCells; }
    bool hasMark(int cell) const { return bShowExistMark[size_t(cell)]; }
    // A cell's frame in Qt's top-down coordinates of the view.
    QRect cellFrame(int cell) const;

    BitmapButton* prevButton() const { return mPrevButton; }
    BitmapButton* nextButton() const { return mNextButton; }
    BitmapButton* modeButton() const { return mModeButton; }
    ComboBox* yearComboBox() const { return oYearComboBox; }
    ComboBox* monthComboBox() const { return oMonthComboBox; }

    void onPrevMonth();
    void onNextMonth();
    void onModeButton();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void createChildren();
    void loadImages();
    void setRectPosition();
    void showMonth(int year, int month);
    void updateDayMarks();
    void syncDropDowns();
    void onComboBoxChanged(const QString& comboIdentity, int entry);
    QRectF cellRect(int cell) const; // y-up
    QRect toQt(const QRectF& yUp) const;
    void drawMonth(QPainter& painter);

    int nTodayYear = 0, nTodayMonth = 0, nTodayDay = 0;
    int nSelectYear = 0, nSelectMonth = 0, nSelectDay = 0;
    int nFocusYear = 0, nFocusMonth = 0, nFocusDay = 0;
    int nCalendarMode = 0;
    bool bShrinkMode = false;
    bool bReadyToCheckVideoLib = false;
    std::function<bool(int, int, int)> mDayMarks;
    bool bDrawR2L = false;
    std::array<bool, kMonthGridCells> bShowExistMark{};
    std::array<CalendarDate, kMonthGridCells> mCells{};

    int nCalendarWidth = 0, nCalendarHeight = 0;
    int nItemWidth = 0;
    int nItemHeight = 31;
    int nItemGap = 2;
    int nItemStartX = 0;
    int nItemStartY = 44;
    std::array<QRectF, 7> rectWeekLabel{};
    QRectF rectPrev, rectNext, rectYear, rectMonth, rectModeBtn;

    QString m_backgroundPatternImageName = QStringLiteral("calendar_background.png");
    QImage backgroundImage, todayMarkBitmap, videoExistBitmap1, videoExistBitmap2;
    BitmapButton* mPrevButton = nullptr;
    BitmapButton* mNextButton = nullptr;
    BitmapButton* mModeButton = nullptr;
    ComboBox* oYearComboBox = nullptr;
    ComboBox* oMonthComboBox = nullptr;
};
