#include "WaitingWindowController.h"

#include "YRKSpinningProgressIndicator.h"
#include "util/Log.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <memory>

namespace {

constexpr int kWindowSize = 72;
constexpr int kSpinnerSize = 48;

std::unique_ptr<WaitingWindowController>& waitingWindow()
{
    static std::unique_ptr<WaitingWindowController> window;
    return window;
}

} // namespace

WaitingWindowController::WaitingWindowController()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      _turboFan(new YRKSpinningProgressIndicator(this))
{
    setObjectName("WaitingWindow");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(kWindowSize, kWindowSize);
    const int inset = (kWindowSize - kSpinnerSize) / 2;
    _turboFan->setGeometry(inset, inset, kSpinnerSize, kSpinnerSize);
    _turboFan->setColor(Qt::white);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void WaitingWindowController::paintEvent(QPaintEvent*)
{
    // A dim rounded plate keeps the white spinner readable over light windows too.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawRoundedRect(rect(), 12, 12);
}

void pmStartWait()
{
    pmWriteLog("pmStartWait()");
    auto& window = waitingWindow();
    if (window)
        return;
    window = std::make_unique<WaitingWindowController>();
    window->turboFan()->startAnimation();
    window->show();
    // Long steps keep the event loop busy; draw the first frame now so the window is seen.
    window->repaint();
}

void pmEndWait()
{
    auto& window = waitingWindow();
    if (window) {
        window->turboFan()->stopAnimation();
        window->close();
        window.reset();
    }
    pmWriteLog("pmEndWait()");
}

WaitingWindowController* pmWaitingWindow()
{
    return waitingWindow().get();
}
