#pragma once
// The panel under the calendar: five category check boxes in two header bands and the file
// list below them. It keeps the category filter, tells the controller when it changes, shows
// the play list it is given and relays the list's double click.

#include "library/AMediaFile.h"

#include <QImage>
#include <QRectF>
#include <QWidget>

#include <array>
#include <vector>

class CheckBox;
class FileListBox;

class FileListView : public QWidget {
    Q_OBJECT
public:
    // The categories in the order the panel compares its boxes.
    enum Box { EventBox, NormalBox, ParkingBox, TriplapseBox, TimelapseBox, BoxCount };
    static constexpr int kContentWidth = 291;

    explicit FileListView(const QRect& frame, QWidget* parent = nullptr);
    ~FileListView() override;

    void relayoutContents(bool rightToLeft, const QSize& size);
    // Shows the entries in order, each as its path; the play mark is cleared.
    void buildFileList(const std::vector<AMediaFile>& files);
    // Moves the play mark there when asked, then selects the row, scrolling it into view.
    void setCurSel(int index, bool showMark);
    int getCurSel() const;
    void showPlayMark(int index);

    bool isShowEventFile() const { return bShowEventFile; }
    bool isShowNormalFile() const { return bShowNormalFile; }
    bool isShowParkingFile() const { return bShowParkingFile; }
    bool isShowTriplapseFile() const { return bShowTriplapseFile; }
    bool isShowTimelapseFile() const { return bShowTimelapseFile; }
    bool isSupportParking() const { return bSupportParking; }

    void changeLanguage();
    void loadSkinBitmap();
    QSize windowWillResize(const QSize& proposed) const { return proposed; }

    FileListBox* fileListBox() const { return oFileListBox; }
    CheckBox* checkBox(Box which) const { return mBoxes[which]; }
    int playMarkIndex() const { return nPlayVideoIndex; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onCheckBoxChanged(const QString& boxIdentity, bool checked);
    bool* flagOf(Box which);
    QRect toQt(const QRectF& yUp) const;

    FileListBox* oFileListBox = nullptr;
    std::array<CheckBox*, BoxCount> mBoxes{};
    bool bShowEventFile = true;
    bool bShowNormalFile = true;
    bool bShowParkingFile = true;
    bool bShowTriplapseFile = true;
    bool bShowTimelapseFile = true;
    bool bSupportParking = true;
    int nPlayVideoIndex = -1;
    QString strHeaderImageName = QStringLiteral("bg_calendar_title.png");
    QImage oHeaderImage;
    QImage oHeaderImage2;
    QRectF rectHeader, rectHeaderL2, rectFileList;
    std::array<QRectF, BoxCount> mBoxRects{};
    int nBackgroundWidth = 0;
    int nBackgroundHeight = 0;
    bool bDrawR2L = false;
};
