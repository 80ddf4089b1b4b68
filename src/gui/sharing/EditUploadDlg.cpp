#include "EditUploadDlg.h"

#include "FacebookUploadRequest.h"
#include "LocalizedText.h"
#include "LogText.h"
#include "MessageBox.h"
#include "ServiceAddresses.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "sharing/FacebookRequest.h"
#include "ui_EditUploadDlg.h"

#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QMouseEvent>
#include <QNetworkAccessManager>
#include <QScrollBar>

#include <climits>
#include <cmath>

namespace {

constexpr int kProgressIntervalMs = 500;
constexpr int kScrollerSteps = 1000; // scroller units per file step
// The scroller's frame in the window's content, y upwards.
constexpr int kScrollerX = 440, kScrollerY = 127, kScrollerWidth = 20, kScrollerHeight = 217;

QString label(const char* key)
{
    return QString("%1:").arg(pmLoadString(key));
}

} // namespace

EditUploadDlg::EditUploadDlg(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::EditUploadDlg>()), mNetwork(new QNetworkAccessManager(this)),
      mRequestTimeoutMs(FacebookUploadRequest::kDefaultTimeoutMs)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->uploadButton, &QPushButton::clicked, this, &EditUploadDlg::upload);
    connect(ui->cancelButton, &QPushButton::clicked, this, &EditUploadDlg::closeDialog);
}

EditUploadDlg::~EditUploadDlg()
{
    windowWillClose();
}

void EditUploadDlg::setSelectedFileIndexSet(const QList<int>& rows)
{
    m_selFileIndexSet = rows;
    std::sort(m_selFileIndexSet.begin(), m_selFileIndexSet.end());
    m_selFileIndexSet.erase(std::unique(m_selFileIndexSet.begin(), m_selFileIndexSet.end()), m_selFileIndexSet.end());
    mTitlelist.clear();
    mDirectionslist.clear();
    for (int k = 0; k < m_selFileIndexSet.size(); ++k) {
        mTitlelist.append(QFileInfo(getSelectedFilePath(getselectedFileIndex(k))).fileName());
        mDirectionslist.append(QString());
    }
}

int EditUploadDlg::getselectedFileIndex(int k) const
{
    return k >= 0 && k < m_selFileIndexSet.size() ? m_selFileIndexSet[k] : -1;
}

QString EditUploadDlg::getSelectedFilePath(int row) const
{
    return row >= 0 && row < mPlaylistPaths.size() ? mPlaylistPaths[row] : QString();
}

QString EditUploadDlg::getTitlelist(int k) const
{
    return mTitlelist.value(k);
}

QString EditUploadDlg::getDirectionslist(int k) const
{
    return mDirectionslist.value(k);
}

void EditUploadDlg::setTitlelist(int k, const QString& text)
{
    if (k >= 0 && k < mTitlelist.size())
        mTitlelist[k] = text;
}

void EditUploadDlg::setDirectionslist(int k, const QString& text)
{
    if (k >= 0 && k < mDirectionslist.size())
        mDirectionslist[k] = text;
}

void EditUploadDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!mLoaded) {
        mLoaded = true;
        windowDidLoad();
    }
}

void EditUploadDlg::windowDidLoad()
{
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    mPaging.emplace(int(m_selFileIndexSet.size()));
    setLayerString();
    if (m_selFileIndexSet.size() > 2)
        createScroller();
    scrollChanged(0);
    m_bUploading = false;
    qApp->installEventFilter(this);
    pmWriteLogText("EditUploadDlg Start");
}

void EditUploadDlg::setLayerString()
{
    setWindowTitle(pmLoadString("IDS_UPLOAD"));
    ui->uploadButton->setText(pmLoadString("IDS_UPLOAD"));
    ui->cancelButton->setText(pmLoadString("IDS_CLOSE"));
    for (QLabel* fileLabel : {ui->fileNameTitle, ui->fileNameTitle2})
        fileLabel->setText(label("IDS_FILE_NAME"));
    for (QLabel* titleLabel : {ui->title, ui->title2})
        titleLabel->setText(label("IDS_TITLE"));
    for (QLabel* descriptionLabel : {ui->description, ui->description2})
        descriptionLabel->setText(label("IDS_DESCRIPTION"));
    ui->PercentTextField->setText(QString("%1 %").arg(0));
}

void EditUploadDlg::createScroller()
{
    mScroller = new QScrollBar(Qt::Vertical, this);
    mScroller->setObjectName("hScroller");
    mScroller->setGeometry(kScrollerX, height() - kScrollerY - kScrollerHeight, kScrollerWidth, kScrollerHeight);
    // A knob of 1 / pageCount: the page step is that share of range plus page step.
    mScroller->setRange(0, kScrollerSteps * (mPaging->pageCount() - 1));
    mScroller->setPageStep(kScrollerSteps);
    mScroller->setSingleStep(kScrollerSteps / 2);
    mScroller->setValue(0);
    connect(mScroller, &QScrollBar::actionTriggered, this, &EditUploadDlg::scrollAction);
    mScroller->show();
}

void EditUploadDlg::scrollAction(int action)
{
    const int shown = mPaging->position();
    bool changed = false;
    const double dragValue = mScroller->maximum() > 0 ? double(mScroller->sliderPosition()) / mScroller->maximum() : 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: changed = mPaging->apply(UploadPaging::LineDown); break;
    case QAbstractSlider::SliderSingleStepSub: changed = mPaging->apply(UploadPaging::LineUp); break;
    case QAbstractSlider::SliderPageStepAdd: changed = mPaging->apply(UploadPaging::PageDown); break;
    case QAbstractSlider::SliderPageStepSub: changed = mPaging->apply(UploadPaging::PageUp); break;
    case QAbstractSlider::SliderMove:
    case QAbstractSlider::SliderToMinimum:
    case QAbstractSlider::SliderToMaximum: changed = mPaging->apply(UploadPaging::Drag, dragValue); break;
    default: return;
    }
    if (action != QAbstractSlider::SliderMove)
        mScroller->setSliderPosition(int(std::lround(mPaging->value() * mScroller->maximum())));
    if (changed) {
        saveScrollData(shown);
        scrollChanged(mPaging->position());
    }
}

void EditUploadDlg::scrollChanged(int position)
{
    if (position < 0)
        return;
    ui->fileName->setText(QFileInfo(getSelectedFilePath(getselectedFileIndex(position))).fileName());
    ui->editTitle->setText(getTitlelist(position));
    ui->editDescription->setPlainText(getDirectionslist(position));
    const bool second = getselectedFileIndex(position + 1) >= 0;
    ui->recordPanel2->setVisible(second);
    if (second) {
        ui->fileName2->setText(QFileInfo(getSelectedFilePath(getselectedFileIndex(position + 1))).fileName());
        ui->editTitle2->setText(getTitlelist(position + 1));
        ui->editDescription2->setPlainText(getDirectionslist(position + 1));
    }
}

void EditUploadDlg::saveScrollData(int position)
{
    setTitlelist(position, ui->editTitle->text());
    if (ui->editDescription->toPlainText() != getDirectionslist(position))
        setDirectionslist(position, ui->editDescription->toPlainText());
    if (position + 1 < m_selFileIndexSet.size()) {
        setTitlelist(position + 1, ui->editTitle2->text());
        if (ui->editDescription2->toPlainText() != getDirectionslist(position + 1))
            setDirectionslist(position + 1, ui->editDescription2->toPlainText());
    }
}

void EditUploadDlg::setEditable(bool editable)
{
    ui->editTitle->setEnabled(editable);
    ui->editTitle2->setEnabled(editable);
    for (QPlainTextEdit* view : {ui->editDescription, ui->editDescription2}) {
        view->setReadOnly(!editable);
        QPalette colours = view->palette();
        colours.setColor(QPalette::Text, palette().color(editable ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        view->setPalette(colours);
    }
}

void EditUploadDlg::upload()
{
    ui->uploadButton->setEnabled(false);
    ui->cancelButton->setText(pmLoadString("IDS_CANCEL"));
    m_nCurrentlyUploadCount = 0;
    mTotalBytesWritten = 0;
    setEditable(false);
    saveScrollData(scrollPosition());
    startTimer();
    pmStartWait();
    pmWriteLogText(QString("EditUploadDlg::upload() - Start upload thread for %1 videos").arg(m_selFileIndexSet.size()));
    uploadThreadFunctionMain();
    pmEndWait();
}

void EditUploadDlg::uploadThreadFunctionMain()
{
    if (m_nCurrentlyUploadCount >= m_selFileIndexSet.size()) {
        stopTimer();
        pmMessageBox(pmLoadString("IDS_UPLOAD_VIDEO_OK"));
        close();
        return;
    }
    const int row = getselectedFileIndex(m_nCurrentlyUploadCount);
    const QString path = getSelectedFilePath(row);
    pmWriteLogText("EditUploadDlg::uploadThreadFunctionMain - upload video : " + path);
    const int k = m_nCurrentlyUploadCount++;
    if (row >= 0)
        facebookUpload(pmFacebookVideoBase(), path, getTitlelist(k), getDirectionslist(k));
}

void EditUploadDlg::facebookUpload(const QString& address, const QString& path, const QString& title,
                                   const QString& desc)
{
    if (connection) {
        // This may run inside the previous request's own signal.
        connection->disconnect(this);
        connection->deleteLater();
    }
    connection = new FacebookUploadRequest(mNetwork, this);
    mTotalBytesWritten = 0;
    mCurrentlyTotalBytesWritten = -1;
    m_nPercent = 0;
    if (!connection->start(address, mFBKey, path, title, desc, mRequestTimeoutMs)) {
        // Gone or unreadable since it was chosen: nothing is sent, and nothing after it.
        pmWriteLogText("EditUploadDlg::facebookUpload - cannot read video: " + path);
        uploadFailed();
        return;
    }
    pmWriteLogText(QString("EditUploadDlg::facebookUpload - video size: %1").arg(connection->fileSize()));
    const qint64 length = connection->bodyLength();
    mProgressScale = length > INT_MAX ? 1024 : 1;
    ui->progressIndicator->setRange(0, int(length / mProgressScale));
    ui->progressIndicator->setValue(0);
    connect(connection, &FacebookUploadRequest::bytesSent, this, &EditUploadDlg::onBytesSent);
    connect(connection, &FacebookUploadRequest::dataReceived, this, [this](const QByteArray& received) {
        pmWriteConsoleText("Received data : " + connection->hideToken(QString::fromUtf8(received)));
    });
    connect(connection, &FacebookUploadRequest::finished, this, &EditUploadDlg::uploadThreadFunctionMain);
    connect(connection, &FacebookUploadRequest::failed, this, &EditUploadDlg::onFailed);
}

void EditUploadDlg::onBytesSent(qint64 sent, qint64 total)
{
    mTotalBytesWritten = sent;
    const int before = m_nPercent;
    m_nPercent = pmUploadPercent(sent, total);
    if (m_nPercent >= 100 && before < 100)
        pmWriteLogText(QString("EditUploadDlg connection Upload percent = %1").arg(m_nPercent));
}

void EditUploadDlg::onFailed(int code, const QString& description)
{
    pmWriteLogText(QString("EditUploadDlg connection error code = %1, %2").arg(code).arg(description));
    // All bytes out and then no answer: the service has the video.
    if (m_nPercent >= 100 && code == FacebookUploadRequest::kTimedOut) {
        uploadThreadFunctionMain();
        return;
    }
    uploadFailed();
}

void EditUploadDlg::uploadFailed()
{
    pmMessageBox(pmLoadString("IDS_UPLOAD_VIDEO_FAILED"));
}

void EditUploadDlg::startTimer()
{
    m_bUploading = true;
    mUpdateProgressTimeTimer = std::make_unique<QTimer>();
    connect(mUpdateProgressTimeTimer.get(), &QTimer::timeout, this, &EditUploadDlg::updateProgress);
    mUpdateProgressTimeTimer->start(kProgressIntervalMs);
}

void EditUploadDlg::stopTimer()
{
    m_bUploading = false;
    mTotalBytesWritten = 0;
    m_nPercent = 0;
    ui->uploadButton->setEnabled(true);
    ui->cancelButton->setText(pmLoadString("IDS_CLOSE"));
    setEditable(true);
    updateProgress();
    mUpdateProgressTimeTimer.reset();
}

void EditUploadDlg::updateProgress()
{
    if (mTotalBytesWritten == mCurrentlyTotalBytesWritten)
        return;
    mCurrentlyTotalBytesWritten = mTotalBytesWritten;
    ui->progressIndicator->setValue(int(mTotalBytesWritten / mProgressScale));
    ui->PercentTextField->setText(QString("%1 %").arg(m_nPercent));
}

void EditUploadDlg::closeDialog()
{
    if (!m_bUploading) {
        close();
        return;
    }
    stopTimer();
    if (connection)
        connection->cancel();
}

void EditUploadDlg::done(int result)
{
    // Every way of closing (the buttons, Escape, the title bar) ends here.
    windowWillClose();
    QDialog::done(result);
}

void EditUploadDlg::windowWillClose()
{
    if (mClosed || !mLoaded)
        return;
    mClosed = true;
    const bool uploading = m_bUploading;
    stopTimer();
    if (uploading && connection)
        connection->cancel();
    qApp->removeEventFilter(this);
    pmWriteLogText("EditUploadDlg End");
}

bool EditUploadDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    // Alerts and menus opened over the dialog keep working; the rest of the program does not.
    if (!target || target->window() == this || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    return true;
}
