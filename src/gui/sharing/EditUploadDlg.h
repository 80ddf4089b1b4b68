#pragma once
// The upload editor: a title and a description for each chosen recording, two records at a
// time under a scroller, then the recordings sent to Facebook one after the other with the
// progress of the current one. While it is open, clicks elsewhere in the program are ignored.

#include "sharing/UploadPaging.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

class FacebookUploadRequest;
class QNetworkAccessManager;
class QScrollBar;
namespace Ui {
class EditUploadDlg;
}

class EditUploadDlg : public QDialog {
    Q_OBJECT
public:
    explicit EditUploadDlg(QWidget* parent = nullptr);
    ~EditUploadDlg() override;

    // The paths of the play list, addressed by the chosen rows.
    void setPlaylistPaths(const QStringList& paths) { mPlaylistPaths = paths; }
    void setSelectedFileIndexSet(const QList<int>& rows);
    void setVideoWebsite(int website) { m_nVideoWebsite = qint16(website); }
    void setFBKey(const QString& key) { mFBKey = key; }
    // How long a request may go without sending or receiving (tests shorten it).
    void setRequestTimeoutMs(int milliseconds) { mRequestTimeoutMs = milliseconds; }

    int getselectedFileIndex(int k) const;
    QString getSelectedFilePath(int row) const;
    QString getTitlelist(int k) const;
    QString getDirectionslist(int k) const;
    void setTitlelist(int k, const QString& text);
    void setDirectionslist(int k, const QString& text);

    bool isUploading() const { return m_bUploading; }
    int scrollPosition() const { return mPaging ? mPaging->position() : 0; }
    QScrollBar* hScroller() const { return mScroller; }
    int percent() const { return m_nPercent; }

    void upload();
    void closeDialog();
    void uploadThreadFunctionMain();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowDidLoad();
    void setLayerString();
    void createScroller();
    void scrollAction(int action);
    void scrollChanged(int position);
    void saveScrollData(int position);
    void setEditable(bool editable);
    void facebookUpload(const QString& address, const QString& path, const QString& title, const QString& desc);
    void onBytesSent(qint64 sent, qint64 total);
    void onFailed(int code, const QString& description);
    void uploadFailed();
    void startTimer();
    void stopTimer();
    void updateProgress();
    void windowWillClose();

    std::unique_ptr<Ui::EditUploadDlg> ui;
    QNetworkAccessManager* mNetwork;
    FacebookUploadRequest* connection = nullptr;
    QScrollBar* mScroller = nullptr;
    std::optional<UploadPaging> mPaging;

    QStringList mPlaylistPaths;
    QList<int> m_selFileIndexSet;
    QStringList mTitlelist;
    QStringList mDirectionslist;
    qint16 m_nVideoWebsite = 0;
    QString mFBKey;
    int mRequestTimeoutMs;

    bool mLoaded = false;
    bool mClosed = false;
    bool m_bUploading = false;
    int m_nCurrentlyUploadCount = 0;
    qint64 mTotalBytesWritten = 0;
    qint64 mCurrentlyTotalBytesWritten = -1;
    int mProgressScale = 1; // bytes per bar step, so a body past 2 GiB fits the bar
    int m_nPercent = 0;
    std::unique_ptr<QTimer> mUpdateProgressTimeTimer;
};
