#pragma once
// A one-state image button that can also stay checked (drawn pressed) for radio-like groups,
// and can be mirrored for right-to-left layouts.

#include "SkinnedButton.h"

#include <QColor>

class BitmapButton : public SkinnedButton {
    Q_OBJECT
public:
    BitmapButton(int width, int height, QWidget* parent = nullptr);
    static BitmapButton* windowButtonWithSize(int width, int height, QWidget* parent = nullptr);

    // The four names are the base name and its "_d", "_f" and "_g" variants.
    void setBitmapButton(const QString& base, const QString& pressed, const QString& rollover,
                         const QString& disabled);
    // The same, with the variant names derived from the base name.
    void setBitmapButton(const QString& base);

    void setFontSize(int size) { m_nFontSize = static_cast<qint16>(size); update(); }
    void setTitleColor(const QColor& color) { m_colorTitle = color; update(); }

    void checkButton(bool checked);
    bool isButtonChecked() const { return bButtonChecked; }

    void setButtonFlipped(bool rightToLeft);
    bool isButtonFlipped() const { return bR2L; }

    void updateActiveImage() override;
    const StateImages& stateImages() const { return mImages; }

protected:
    const StateImages& images() const override { return mImages; }
    void drawTitle(QPainter& painter) override;

private:
    StateImages mImages;
    qint16 m_nFontSize = 14;
    QColor m_colorTitle = Qt::white;
    bool bR2L = false;
    bool bButtonChecked = false;
};
