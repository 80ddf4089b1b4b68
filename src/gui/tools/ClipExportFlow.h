#pragma once
// A clip export as the user runs it: the export dialog, then the export on a worker thread
// behind the progress window (its cancel stops the export, which leaves nothing behind), the
// sidecar GPX beside the clip, and a message when it fails. The window stays responsive.

#include "ClipExportDlg.h"
#include "backup/FileCopy.h"
#include "export/ClipParts.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class ProgressDlg;
class QWidget;

class ClipExportFlow : public QObject {
    Q_OBJECT
public:
    explicit ClipExportFlow(QWidget* window);
    ~ClipExportFlow() override; // cancels a running export and waits for it

    // parts: the clip's recordings (pmClipParts). Shows the dialog and, when the user saves,
    // starts the export; false when an export runs already, there are no parts, or the user
    // cancelled.
    bool start(std::vector<ClipPart> parts, int speedUnit);
    // Starts the export of the parts with these choices, without the dialog.
    bool run(std::vector<ClipPart> parts, const ClipExportChoice& choice, int speedUnit);
    bool isRunning() const { return mExporter != nullptr; }
    ProgressDlg* progressWindow() const { return mProgress; }

signals:
    // On the main thread, once the export has ended and its progress window closed.
    void finished(bool written, const QString& path);

private:
    void finish();
    QString failureMessage() const;

    QWidget* mWindow;
    std::vector<ClipPart> mParts;
    std::unique_ptr<ClipExporter> mExporter;
    QString mOutput;
    CopyControl mControl;
    QPointer<ProgressDlg> mProgress;
    QFutureWatcher<bool> mWatcher;
};
