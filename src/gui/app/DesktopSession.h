#pragma once
// What makes the program a citizen of the Linux desktop, around the controller and its
// window: folders and recordings handed over by a drop, the recent-folder menu or a second
// launch; the window's frame kept from one run to the next; the media controls on the
// session bus; the screen kept on while a recording plays.

#include <QObject>

class AppDelegate;
class MprisService;
class ScreenSaverInhibitor;
struct OpenTarget;

class DesktopSession : public QObject {
    Q_OBJECT
public:
    // A one-off run (a screenshot) keeps to the window as laid out for the screen and leaves
    // the bus, the screen saver and the stored frame to the user's own program.
    enum Mode { kInteractive, kOneOff };

    DesktopSession(AppDelegate& delegate, Mode mode, QObject* parent = nullptr);
    ~DesktopSession() override;

    // Shows the folder and plays the recording of the target, as OpenTarget says.
    void open(const OpenTarget& target);

    MprisService* mpris() const { return mMpris; }
    ScreenSaverInhibitor* screenSaverInhibitor() const { return mInhibitor; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveWindow();

    AppDelegate& mDelegate;
    MprisService* mMpris = nullptr;
    ScreenSaverInhibitor* mInhibitor = nullptr;
};
