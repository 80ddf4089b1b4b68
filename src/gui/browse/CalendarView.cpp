#include "CalendarView.h"

#include "ComboBox.h"
#include "LocalizedText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Preferences.h"
#include "SkinImages.h"
#include "controls/ViewGeometry.h"
#include "controls/BitmapButton.h"
#include "controls/IdentityString.h"

#include <QDate>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kCellHeight = 31;
constexpr int kRowPitch = 33;
constexpr int kGridTop = 44;
constexpr int kLimitMonthFirst = CalendarView::kFirstYear * 12 + 0;  // January 2000
constexpr int kLimitMonthLast = CalendarView::kLastYear * 12 + 11;   // December 2049

QFont helvetica(int size)
{
    QFont font("Helvetica");
    font.setPixelSize(size);
    return font;
}

} // namespace

CalendarView::CalendarView(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    const QDate today = QDate::currentDate();
    nTodayYear = nSelectYear = nFocusYear = today.year();
    nTodayMonth = nSelectMonth = nFocusMonth = today.month();
    nTodayDay = nSelectDay = nFocusDay = today.day();
    loadImages();
    nCalendarWidth = backgroundImage.isNull() ? frame.width() : backgroundImage.width();
    nCalendarHeight = backgroundImage.isNull() ? frame.height() : backgroundImage.height();
    nItemWidth = nCalendarWidth / 7;
    nItemStartX = (nCalendarWidth - 7 * nItemWidth) / 2;
    setGeometry(frame.x(), frame.y(), nCalendarWidth, nCalendarHeight);
    mCells = pmMonthGrid(nSelectYear, nSelectMonth);
    createChildren();
    NotificationCenter::defaultCenter().addObserver(this, kComboBoxChangedNotification, [this](const Notification& n) {
        onComboBoxChanged(n.userInfo.value(kComboWindowKey).toString(), n.object.toInt());
    });
    relayoutContents(false);
}

CalendarView::~CalendarView()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void CalendarView::loadImages()
{
    backgroundImage = pmGetSkinImage(m_backgroundPatternImageName);
    todayMarkBitmap = pmGetSkinImage("calendar_pic_d.png");
    videoExistBitmap1 = pmGetSkinImage("icon_calendar_black.png");
    videoExistBitmap2 = pmGetSkinImage("icon_calendar_white.png");
}

void CalendarView::createChildren()
{
    const auto button = [this](const QString& image, int width) {
        BitmapButton* made = BitmapButton::windowButtonWithSize(width, 30, this);
        made->setBitmapButton(image);
        return made;
    };
    mPrevButton = button("button_calendar_back.png", 30);
    mNextButton = button("button_calendar_next.png", 30);
    mModeButton = button("button_calendar.png", 85);
    mModeButton->setBitmapTitle(pmLoadString("IDS_ALL"));
    changeTextColor();
    connect(mPrevButton, &BitmapButton::clicked, this, &CalendarView::onPrevMonth);
    connect(mNextButton, &BitmapButton::clicked, this, &CalendarView::onNextMonth);
    connect(mModeButton, &BitmapButton::clicked, this, &CalendarView::onModeButton);

    const QString identity = pmIdentityString(this);
    oYearComboBox = new ComboBox(QRect(0, 0, 67, 27), this);
    for (int year = kFirstYear; year <= kLastYear; ++year)
        oYearComboBox->insertString(year - kFirstYear, QString::asprintf("%d", year));
    oMonthComboBox = new ComboBox(QRect(0, 0, 67, 27), this);
    for (int month = 1; month <= 12; ++month)
        oMonthComboBox->insertString(month - 1, QString::asprintf("%d", month));
    oYearComboBox->setRealParent(identity);
    oMonthComboBox->setRealParent(identity);
    syncDropDowns();
}

QRect CalendarView::toQt(const QRectF& yUp) const
{
    return pmYUpToQt(yUp, height());
}

void CalendarView::setRectPosition()
{
    const double W = nCalendarWidth;
    const double H = nCalendarHeight;
    for (int i = 0; i < 7; ++i)
        rectWeekLabel[size_t(i)] = QRectF((nCalendarWidth % 7) / 2 + i * nItemWidth, H - 12 - 31, nItemWidth, 12);
    rectPrev = QRectF(0, H - 30, 30, 30);
    rectNext = QRectF(31, H - 30, 30, 30);
    rectYear = QRectF(62, H - 30, 67, 27);
    rectMonth = QRectF(131, H - 30, 67, 27);
    rectModeBtn = QRectF(202, bShrinkMode ? 1 : 210, 85, 30);
    if (bDrawR2L) {
        for (QRectF& label : rectWeekLabel)
            label = pmMirrorRect(label, W);
        for (QRectF* rect : {&rectPrev, &rectNext, &rectYear, &rectMonth, &rectModeBtn})
            *rect = pmMirrorRect(*rect, W);
    }
}

void CalendarView::relayoutContents(bool rightToLeft)
{
    bDrawR2L = rightToLeft;
    setRectPosition();
    // Folded, the mode button sits on the band's own bottom.
    const int viewHeight = bShrinkMode ? nCalendarHeight - kFoldHeight : nCalendarHeight;
    const auto frameOf = [viewHeight](const QRectF& rect) { return pmYUpToQt(rect, viewHeight); };
    mPrevButton->setGeometry(frameOf(rectPrev));
    mNextButton->setGeometry(frameOf(rectNext));
    mModeButton->setGeometry(frameOf(rectModeBtn));
    oYearComboBox->setGeometry(frameOf(rectYear));
    oMonthComboBox->setGeometry(frameOf(rectMonth));
    mPrevButton->setButtonFlipped(rightToLeft);
    mNextButton->setButtonFlipped(rightToLeft);
    oYearComboBox->relayoutContents(rightToLeft);
    oMonthComboBox->relayoutContents(rightToLeft);
    update();
}

void CalendarView::shrinkCalendarView(bool shrink)
{
    bShrinkMode = shrink;
    relayoutContents(bDrawR2L);
}

void CalendarView::GetSelectDay(short& year, short& month, short& day) const
{
    year = short(nFocusYear);
    month = short(nFocusMonth);
    day = short(nFocusDay);
}

void CalendarView::SetActivateDay(int year, int month, int day)
{
    if (year > kLastYear || month < 1 || month > 12 || day < 1 || day > pmDaysInMonth(year, month))
        return;
    nFocusYear = nSelectYear = year;
    nFocusMonth = nSelectMonth = month;
    nFocusDay = nSelectDay = day;
    mCells = pmMonthGrid(nSelectYear, nSelectMonth);
    syncDropDowns();
    updateDayMarks();
    update();
}

void CalendarView::VideoLibIsReady()
{
    bReadyToCheckVideoLib = true;
    updateDayMarks();
    update();
}

void CalendarView::syncDropDowns()
{
    oYearComboBox->setCurSel(std::clamp(nSelectYear - kFirstYear, 0, kLastYear - kFirstYear));
    oMonthComboBox->setCurSel(nSelectMonth - 1);
}

void CalendarView::updateDayMarks()
{
    for (int i = 0; i < kMonthGridCells; ++i) {
        const CalendarDate& cell = mCells[size_t(i)];
        bShowExistMark[size_t(i)] =
            bReadyToCheckVideoLib && mDayMarks && mDayMarks(cell.year, cell.month, cell.day);
    }
}

void CalendarView::showMonth(int year, int month)
{
    nSelectYear = year;
    nSelectMonth = month;
    mCells = pmMonthGrid(nSelectYear, nSelectMonth);
    updateDayMarks();
    update();
}

void CalendarView::onPrevMonth()
{
    if (nSelectYear * 12 + nSelectMonth - 1 > kLimitMonthFirst) {
        const CalendarDate before = pmPreviousMonth(nSelectYear, nSelectMonth);
        nSelectYear = before.year;
        nSelectMonth = before.month;
        syncDropDowns();
    }
    showMonth(nSelectYear, nSelectMonth);
}

void CalendarView::onNextMonth()
{
    if (nSelectYear * 12 + nSelectMonth - 1 < kLimitMonthLast) {
        const CalendarDate after = pmNextMonth(nSelectYear, nSelectMonth);
        nSelectYear = after.year;
        nSelectMonth = after.month;
        syncDropDowns();
    }
    showMonth(nSelectYear, nSelectMonth);
}

void CalendarView::onComboBoxChanged(const QString& comboIdentity, int entry)
{
    if (comboIdentity == pmIdentityString(oYearComboBox) && entry >= 0 && entry <= kLastYear - kFirstYear)
        showMonth(kFirstYear + entry, nSelectMonth);
    else if (comboIdentity == pmIdentityString(oMonthComboBox) && entry >= 0 && entry < 12)
        showMonth(nSelectYear, entry + 1);
}

void CalendarView::onModeButton()
{
    const int before = nCalendarMode;
    mModeButton->setBitmapTitle(pmLoadString(before == 1 ? "IDS_ALL" : "IDS_CALENDAR"));
    nCalendarMode = 1 - before;
    const bool dateMode = nCalendarMode == 0;
    for (QWidget* child : {static_cast<QWidget*>(mPrevButton), static_cast<QWidget*>(mNextButton),
                           static_cast<QWidget*>(oYearComboBox), static_cast<QWidget*>(oMonthComboBox)})
        child->setVisible(dateMode);
    NotificationCenter::defaultCenter().postNotification(kCalendarModeChangedNotification, before == 1);
}

void CalendarView::changeLanguage()
{
    mModeButton->setBitmapTitle(pmLoadString(nCalendarMode == 1 ? "IDS_CALENDAR" : "IDS_ALL"));
    update();
}

void CalendarView::changeTextColor()
{
    const int skin = pmGetCurrentSkin();
    mModeButton->setTitleColor(skin == 0 || skin == 3 ? Qt::white : Qt::black);
}

void CalendarView::loadSkinBitmap()
{
    loadImages();
    mPrevButton->setBitmapButton("button_calendar_back.png");
    mNextButton->setBitmapButton("button_calendar_next.png");
    mModeButton->setBitmapButton("button_calendar.png");
    oYearComboBox->loadSkinBitmap();
    oMonthComboBox->loadSkinBitmap();
    changeTextColor();
    update();
}

QRectF CalendarView::cellRect(int cell) const
{
    const int row = cell / 7;
    const int column = cell % 7;
    double x = nItemStartX + column * nItemWidth;
    if (bDrawR2L)
        x = nCalendarWidth - nItemWidth - x;
    return QRectF(x, nCalendarHeight - kCellHeight - (row * kRowPitch + kGridTop), nItemWidth, kCellHeight);
}

QRect CalendarView::cellFrame(int cell) const
{
    return pmYUpToQt(cellRect(cell), nCalendarHeight);
}

void CalendarView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (bShrinkMode) {
        // Only the band of the buttons, on the folded view's bottom.
        const int strip = nCalendarHeight - 211;
        painter.drawImage(QPointF(0, height() - strip), backgroundImage, QRectF(0, 0, nCalendarWidth, strip));
        return;
    }
    painter.drawImage(QPointF(0, height() - nCalendarHeight), backgroundImage);
    drawMonth(painter);
}

void CalendarView::drawMonth(QPainter& painter)
{
    painter.setFont(helvetica(12));
    for (int i = 0; i < 7; ++i) {
        painter.setPen(i == 0 || i == 6 ? QColor(125, 15, 15) : QColor(Qt::white));
        // The titles' band is lower than a line of text: let the glyphs reach over it.
        painter.drawText(toQt(rectWeekLabel[size_t(i)]), Qt::AlignCenter | Qt::TextDontClip,
                         pmLoadString(QString::asprintf("IDS_WEEK_%d", i + 1)));
    }
    painter.setFont(helvetica(14));
    for (int i = 0; i < kMonthGridCells; ++i) {
        const CalendarDate& cell = mCells[size_t(i)];
        const int column = i % 7;
        const bool shownMonth = cell.month == nSelectMonth;
        QColor colour(32, 32, 32);
        if (!shownMonth)
            colour = QColor(100, 100, 100);
        else if (column == 0 || column == 6)
            colour = QColor(200, 0, 0);
        const QRect frame = toQt(cellRect(i));
        const bool chosen = cell == chosenDay();
        if (chosen)
            painter.drawImage(frame.topLeft(), todayMarkBitmap);
        if (bShowExistMark[size_t(i)])
            painter.drawImage(frame.topLeft(), chosen ? videoExistBitmap2 : videoExistBitmap1);
        painter.setPen(colour);
        painter.drawText(frame, Qt::AlignCenter, QString::number(cell.day));
    }
}

void CalendarView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF point = event->position();
    for (int i = 0; i < kMonthGridCells; ++i) {
        if (!toQt(cellRect(i)).contains(point.toPoint()))
            continue;
        const CalendarDate& cell = mCells[size_t(i)];
        // A grey day of the neighbouring month is not chosen.
        if (cell.month != nSelectMonth)
            return;
        nFocusYear = cell.year;
        nFocusMonth = nSelectMonth;
        nFocusDay = cell.day;
        NotificationCenter::defaultCenter().postNotification(kCalendarSelChangedNotification, {},
                                                             {{kCalendarWindowKey, pmIdentityString(this)}});
        update();
        return;
    }
}
