#include "ClipExportFlow.h"

#include "LocalizedText.h"
#include "MessageBox.h"
#include "Preferences.h"
#include "ProgressDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The progress window counts in KiB: a thousand steps.
constexpr quint64 kProgressUnits = 1000 * 1024;

} // namespace

ClipExportFlow::ClipExportFlow(QWidget* window) : mWindow(window)
{
    connect(&mWatcher, &QFutureWatcher<bool>::finished, this, &ClipExportFlow::finish);
}

ClipExportFlow::~ClipExportFlow()
{
    if (mExporter) {
        mExporter->cancel();
        mWatcher.waitForFinished();
    }
    delete mProgress;
}

bool ClipExportFlow::start(std::vector<ClipPart> parts, int speedUnit)
{
    if (isRunning() || parts.empty())
        return false;
    ClipExportDlg dialog(QFile::decodeName(parts.front().front.empty() ? parts.front().rear.c_str()
                                                                        : parts.front().front.c_str()),
                         parts.front().in, parts.back().out, pmClipHasRear(parts), getExportFolder(), mWindow);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return run(std::move(parts), dialog.choice(), speedUnit);
}

bool ClipExportFlow::run(std::vector<ClipPart> parts, const ClipExportChoice& choice, int speedUnit)
{
    if (isRunning() || parts.empty())
        return false;
    mParts = std::move(parts);
    mOutput = choice.output;
    mExporter = std::make_unique<ClipExporter>(
        pmClipRequest(mParts, choice.cameras, choice.overlay, choice.sound, speedUnit, choice.output));
    mControl.bytesCopied = 0;
    mControl.cancelled = false;
    ClipExporter* exporter = mExporter.get();
    exporter->setProgressHandler([this, exporter](double done) {
        mControl.bytesCopied = static_cast<quint64>(done * kProgressUnits);
        if (mControl.cancelled)
            exporter->cancel();
    });
    delete mProgress; // the last run's, kept closed for its final figures
    mProgress = new ProgressDlg(mControl, mWindow);
    mProgress->setWindowTitle(pmLoadString("IDS_EXPORT_CLIP"));
    mProgress->setLTotalSize(kProgressUnits);
    connect(mProgress->cancelButton(), &QPushButton::clicked, this, [exporter] { exporter->cancel(); });
    mProgress->show();
    mProgress->startTimer();
    const std::string gpx = QFile::encodeName(pmClipSidecarPath(mOutput)).toStdString();
    const std::string name = QFileInfo(mOutput).completeBaseName().toStdString();
    mWatcher.setFuture(QtConcurrent::run([this, exporter, gpx, name] {
        if (!exporter->run())
            return false;
        pmWriteClipGpx(gpx, pmClipTrackSpans(mParts), name); // none when the track has no position
        return true;
    }));
    return true;
}

void ClipExportFlow::finish()
{
    const bool written = mWatcher.result();
    if (mProgress)
        mProgress->stopTimer();
    const QString message = written ? QString() : failureMessage();
    mExporter.reset();
    if (!message.isEmpty())
        pmMessageBox(message);
    emit finished(written, mOutput);
}

// What the user is told of a failed export; nothing after a cancel.
QString ClipExportFlow::failureMessage() const
{
    const QString detail = mExporter->errorString();
    switch (mExporter->failure()) {
    case ClipFailure::None:
    case ClipFailure::Cancelled:
        return {};
    case ClipFailure::BadRange:
        return QStringLiteral("%1\n%2").arg(pmLoadString("IDS_ERR_CLIP_RANGE"), detail);
    case ClipFailure::NoDiskSpace:
        return pmLoadString("IDS_ERR_NO_DISK_SPACE");
    case ClipFailure::ReadFailed:
    case ClipFailure::WriteFailed:
        break;
    }
    return QStringLiteral("%1\n%2").arg(pmLoadString("IDS_ERR_CLIP_FAILED"), detail);
}
