#pragma once
// Answers the dialogs that modal runs open, the way a user would: every few milliseconds the
// next scripted step looks for its window and, once it is shown, acts on it with QTest events.
// Message boxes are answered with their one button whenever they appear, their texts kept.

#include "WaitFor.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QFileDialog;
class QWidget;

class ModalScript {
public:
    ModalScript();
    ~ModalScript();

    // A step runs once a visible top-level widget passes the match.
    void then(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> act);
    // The same for a widget of the class.
    template <typename T>
    void then(std::function<void(T*)> act)
    {
        then([](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
             [act = std::move(act)](QWidget* w) { act(qobject_cast<T*>(w)); });
    }
    // Types the path into the file dialog and confirms it, or cancels it with an empty path.
    void answerFileDialog(const QString& path);

    bool done() const { return mSteps.empty() && mActing == 0; }
    // Waits (running events) until every step has run and no message box is open.
    bool waitDone(int timeoutMs = kWaitMs);
    // Message texts (informative text of each box answered), in order.
    const QStringList& messages() const { return mMessages; }
    // Runs before each message box is answered, for a test that acts while one is open.
    void onMessage(std::function<void()> action) { mOnMessage = std::move(action); }

private:
    void tick();

    struct Step {
        std::function<bool(QWidget*)> match;
        std::function<void(QWidget*)> act;
    };
    std::deque<Step> mSteps;
    QStringList mMessages;
    std::function<void()> mOnMessage;
    int mActing = 0; // steps matched whose action has not returned yet
    QTimer mTimer;
};

// Types a path into a non-native file dialog and confirms it; an empty path cancels.
void pmAnswerFileDialog(QFileDialog* dialog, const QString& path);
