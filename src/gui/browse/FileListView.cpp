#include "FileListView.h"

#include "CheckBox.h"
#include "FileListBox.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "SkinImages.h"
#include "controls/ViewGeometry.h"
#include "controls/IdentityString.h"

#include <QDebug>
#include <QPainter>

namespace {

constexpr const char* kBoxTitles[FileListView::BoxCount] = {"IDS_EVENT", "IDS_NORMAL", "IDS_PARKING", "IDS_TRIPLAPSE",
                                                            "IDS_TIMELAPSE"};
constexpr int kBoxHeight = 18;

} // namespace

FileListView::FileListView(const QRect& frame, QWidget* parent) : QWidget(parent)
{
    setGeometry(frame);
    oHeaderImage = pmGetSkinImage(strHeaderImageName);
    oHeaderImage2 = pmGetSkinImage(strHeaderImageName);
    const QString identity = pmIdentityString(this);
    oFileListBox = new FileListBox(QRect(0, 0, kContentWidth, std::max(0, frame.height() - 2 * oHeaderImage.height())),
                                   this);
    oFileListBox->setRealParent(identity);
    for (int i = 0; i < BoxCount; ++i) {
        auto* box = new CheckBox(QRect(0, 0, 80, kBoxHeight), this);
        box->setTitle(pmLoadString(kBoxTitles[i]));
        box->setRealParent(identity);
        box->setCheck(*flagOf(Box(i)));
        box->enableCheckBox(true);
        mBoxes[size_t(i)] = box;
    }
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, kCheckBoxChangedNotification, [this](const Notification& n) {
        onCheckBoxChanged(n.userInfo.value(kCheckBoxWindowKey).toString(), n.object.toInt() > 0);
    });
    center.addObserver(this, kFileListBoxChangedNotification, [](const Notification& n) {
        pmWriteConsoleText(QStringLiteral("FileListView - FileListBoxChangedNotification %1").arg(n.object.toInt()));
    });
    center.addObserver(this, kFileListBoxDoubleClickNotification, [this, identity](const Notification& n) {
        // Only the own list's double click opens a recording.
        if (n.userInfo.value(kParentWindowKey).toString() != identity)
            return;
        showPlayMark(n.object.toInt());
        NotificationCenter::defaultCenter().postNotification(kFileListViewDoubleClickNotification, n.object);
    });
    relayoutContents(pmIsRightToLeft(), frame.size());
}

FileListView::~FileListView()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

QRect FileListView::toQt(const QRectF& yUp) const
{
    return pmYUpToQt(yUp, nBackgroundHeight);
}

bool* FileListView::flagOf(Box which)
{
    switch (which) {
    case EventBox: return &bShowEventFile;
    case NormalBox: return &bShowNormalFile;
    case ParkingBox: return &bShowParkingFile;
    case TriplapseBox: return &bShowTriplapseFile;
    default: return &bShowTimelapseFile;
    }
}

void FileListView::relayoutContents(bool rightToLeft, const QSize& size)
{
    bDrawR2L = rightToLeft;
    nBackgroundWidth = size.width();
    nBackgroundHeight = size.height();
    const double W = size.width();
    const double H = size.height();
    const double h = oHeaderImage.height();
    rectHeader = QRectF(0, H - h, kContentWidth, h);
    rectHeaderL2 = QRectF(0, H - 2 * h, kContentWidth, h);
    const double row1 = H - kBoxHeight - 6;
    const double row2 = row1 - h;
    mBoxRects[EventBox] = QRectF(15, row1, 80, kBoxHeight);
    mBoxRects[NormalBox] = QRectF(105, row1, 80, kBoxHeight);
    mBoxRects[ParkingBox] = QRectF(195, row1, 100, kBoxHeight);
    mBoxRects[TimelapseBox] = QRectF(15, row2, 100, kBoxHeight);
    mBoxRects[TriplapseBox] = QRectF(105, row2, 100, kBoxHeight);
    rectFileList = QRectF(rightToLeft ? W - kContentWidth : 0, 0, kContentWidth, std::max(0.0, H - 2 * h));
    for (int i = 0; i < BoxCount; ++i) {
        const QRectF box = rightToLeft ? pmMirrorRect(mBoxRects[size_t(i)], W) : mBoxRects[size_t(i)];
        mBoxes[size_t(i)]->setGeometry(toQt(box));
        mBoxes[size_t(i)]->relayoutContents(rightToLeft);
    }
    mBoxes[ParkingBox]->setVisible(bSupportParking);
    const QRect list = toQt(rectFileList);
    oFileListBox->setGeometry(list);
    oFileListBox->relayoutContents(rightToLeft, list.size());
    update();
}

void FileListView::onCheckBoxChanged(const QString& boxIdentity, bool checked)
{
    for (int i = 0; i < BoxCount; ++i) {
        if (boxIdentity == pmIdentityString(mBoxes[size_t(i)])) {
            *flagOf(Box(i)) = checked;
            NotificationCenter::defaultCenter().postNotification(kFileListViewCheckBoxNotification);
            return;
        }
    }
}

void FileListView::buildFileList(const std::vector<AMediaFile>& files)
{
    oFileListBox->resetContent();
    QStringList rows;
    rows.reserve(qsizetype(files.size()));
    for (const AMediaFile& file : files)
        rows.append(QString::fromStdString(file.URL()));
    oFileListBox->setListBoxData(rows);
    showPlayMark(-1);
}

void FileListView::setCurSel(int index, bool showMark)
{
    if (index < 0 || index >= oFileListBox->getCount())
        return;
    if (showMark)
        showPlayMark(index);
    oFileListBox->setCurSel(index);
    oFileListBox->update();
}

int FileListView::getCurSel() const
{
    return oFileListBox->getCurSel();
}

void FileListView::showPlayMark(int index)
{
    nPlayVideoIndex = index;
    oFileListBox->showPlayMark(index);
}

void FileListView::changeLanguage()
{
    for (int i = 0; i < BoxCount; ++i)
        mBoxes[size_t(i)]->setTitle(pmLoadString(kBoxTitles[i]));
    update();
}

void FileListView::loadSkinBitmap()
{
    oHeaderImage = pmGetSkinImage(strHeaderImageName);
    oHeaderImage2 = pmGetSkinImage(strHeaderImageName);
    oFileListBox->loadSkinBitmap();
    for (CheckBox* box : mBoxes)
        box->loadSkinBitmap();
    update();
}

void FileListView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x1c, 0x1c, 0x1c));
    painter.drawImage(toQt(rectHeader).topLeft(), oHeaderImage);
    painter.drawImage(toQt(rectHeaderL2).topLeft(), oHeaderImage2);
}
