#pragma once
// The place a panel of the main window occupies: filled with its colour and, when it has
// one, its skin background, until the panel itself is built into it.

#include <QImage>
#include <QWidget>

class PanelHost : public QWidget {
    Q_OBJECT
public:
    enum class Fill {
        AtTop,        // the panel's own background; a folded panel shows its upper part
        Tiled,        // bars: copies side by side from the left
        TopCentred,   // a resting picture, centred at the top
        TwoBands,     // two header bands at the top
    };

    PanelHost(const QString& name, const QColor& color, QWidget* parent);
    // The skin image drawn over the colour; it also gives the panel's natural size.
    void setBackgroundImageName(const QString& baseName, Fill fill);
    QSize backgroundSize() const { return mBackground.size(); }

    void loadSkinBitmap();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString mBackgroundName;
    QImage mBackground;
    Fill mFill = Fill::AtTop;
    bool mMirrored = false; // loaded for a right-to-left layout
};
