#pragma once
// What the two skinned buttons share: the image shown for the state (enabled, roll-over,
// pressed), mouse handling that a disabled button skips entirely, and the drawn title.
// The action fires on a completed click (QAbstractButton::clicked).

#include "StateImages.h"

#include <QAbstractButton>

class SkinnedButton : public QAbstractButton {
    Q_OBJECT
public:
    SkinnedButton(int width, int height, QWidget* parent);

    void setEnabled(bool enabled);
    bool isButtonEnabled() const { return bButtonEnable; }

    void setBitmapTitle(const QString& title);
    const QString& bitmapTitle() const { return mTitle; }

    // The image drawn now; tests and owners compare it with the state images.
    const QImage& shownImage() const { return mShownImage; }

    void updateImage();
    virtual void updateActiveImage();
    void updateRollOverImage();

protected:
    // The images of the state the button is in.
    virtual const StateImages& images() const = 0;
    virtual void drawTitle(QPainter& painter) = 0;
    void showImage(const QImage& image);

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

    QString mTitle;
    bool bButtonEnable = true;

private:
    // Screen readers name the button by what its tool tip, or else its drawn title, says.
    void updateAccessibleName();

    QImage mShownImage;
};
