#pragma once
// The progress window of a running backup: a bar and a percentage refreshed twice a second
// from the byte counter the copy thread advances, the number of recordings found already
// backed up, and a cancel button that raises the copy's cancel flag. The copy thread never
// touches this window; it only shares the counters.

#include <QDialog>
#include <QTimer>

#include <memory>

struct CopyControl;
namespace Ui {
class ProgressDlg;
}
class QLabel;
class QProgressBar;
class QPushButton;

class ProgressDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 500;

    ProgressDlg(CopyControl& control, QWidget* parent);
    ~ProgressDlg() override;

    void setLTotalSize(quint64 total);
    quint64 lTotalSize() const { return m_lTotalSize; }
    void setLCurrentSize(quint64 current);
    quint64 lCurrentSize() const;
    bool isCanceled() const { return m_bCanceled; }
    int percent() const { return m_nPercent; }

    void onCancel();
    void startTimer();
    // A last refresh, then the timer stops and the window closes.
    void stopTimer();
    void updatePanel();
    void drawProgress();

    QProgressBar* progressIndicator() const;
    QLabel* percentTextField() const;
    // "Already backed up, skipped: N", shown once a recording has been skipped.
    QLabel* skippedTextField() const;
    QPushButton* cancelButton() const;

    // (copied / 1024) / (total / 1024) x 100, truncated; nothing to copy counts as done.
    static int percentOf(quint64 copied, quint64 total);

protected:
    void reject() override;

private:
    std::unique_ptr<Ui::ProgressDlg> ui;
    CopyControl& mControl;
    QTimer mUpdateProgressTimeTimer;
    qint64 mCurrentlyTotalBytesWritten = -1;
    quint64 m_lTotalSize = 0;
    int m_nPercent = 0;
    int mSkippedShown = 0;
    bool m_bCanceled = false;
};
