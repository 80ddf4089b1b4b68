#pragma once
// A spinner of twelve round-capped fins whose leading fin is drawn in the foreground colour
// and the others fading behind it; or, in determinate mode, a pie of value over maximum.

#include <QColor>
#include <QTimer>
#include <QWidget>

class YRKSpinningProgressIndicator : public QWidget {
    Q_OBJECT
public:
    explicit YRKSpinningProgressIndicator(QWidget* parent = nullptr);

    void setColor(const QColor& color) { mForeColor = color; update(); }
    void setBackgroundColor(const QColor& color) { mBackColor = color; update(); }
    void setIndeterminate(bool indeterminate) { mIndeterminate = indeterminate; update(); }
    void setDoubleValue(double value) { mCurrentValue = value; update(); }
    void setMaxValue(double value) { mMaxValue = value; update(); }

    void startAnimation();
    void stopAnimation();
    bool isAnimating() const { return mTimer.isActive(); }
    int position() const { return mPosition; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawFins(QPainter& painter, qreal size);
    void drawPie(QPainter& painter, qreal size);

    QTimer mTimer;
    QColor mForeColor = Qt::black;
    QColor mBackColor; // invalid: no background
    int mPosition = 0;
    bool mIndeterminate = true;
    double mCurrentValue = 0;
    double mMaxValue = 100;
};
