#include "ModalScript.h"

#include <QApplication>
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
            Step step = std::move(mSteps.front());
            mSteps.pop_front();
            step.act(w);
            return;
        }
    }
}

bool ModalScript::waitDone(int timeoutMs)
{
    return QTest::qWaitFor([this] {
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
    QTest::keyClick(edit, Qt::Key_Return);
}
