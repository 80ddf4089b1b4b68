#include "ModalScript.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

ModalScript::ModalScript()
{
    mTimer.setInterval(10);
    QObject::connect(&mTimer, &QTimer::timeout, [this] { tick(); });
    mTimer.start();
}

ModalScript::~ModalScript() = default;

void ModalScript::then(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> act)
{
    mSteps.push_back({std::move(match), std::move(act)});
}

void ModalScript::answerFileDialog(const QString& path)
{
    then<QFileDialog>([path](QFileDialog* dialog) { pmAnswerFileDialog(dialog, path); });
}

void ModalScript::tick()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible())
            continue;
        mMessages << box->informativeText();
        if (mOnMessage)
            mOnMessage();
        if (QAbstractButton* button = box->buttons().value(0))
            QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    if (mSteps.empty())
        return;
    for (QWidget* w : widgets) {
        if (w->isVisible() && mSteps.front().match(w)) {
            // Acted on outside this tick: an action that opens a modal run of its own still
            // needs the ticks to answer it, and a timer never fires inside its own handler.
            ++mActing;
            QTimer::singleShot(0, [this, act = std::move(mSteps.front().act), target = QPointer<QWidget>(w)] {
                if (target)
                    act(target);
                --mActing;
            });
            mSteps.pop_front();
            return;
        }
    }
}

bool ModalScript::waitDone(int timeoutMs)
{
    return waitFor([this] {
        if (!done())
            return false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox*>(w) && w->isVisible())
                return false;
        return true;
    }, timeoutMs);
}

void pmAnswerFileDialog(QFileDialog* dialog, const QString& path)
{
    if (path.isEmpty()) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        return;
    }
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, path);
    // The button rather than Return: Return may land in the completer's list as it fills.
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QPushButton* accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                                           : QDialogButtonBox::Open);
    QTest::mouseClick(accept, Qt::LeftButton);
}
