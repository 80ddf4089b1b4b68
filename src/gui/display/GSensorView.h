#pragma once
// The G-sensor panel under the player: the three acceleration curves of the whole recording
// (an image the controller builds), the event line, a cursor that follows playback, and the
// current X, Y and Z values beside their direction arrows. A skin sets the curve colours
// through its arrow images.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <array>

class GSensorView : public QWidget {
    Q_OBJECT
public:
    explicit GSensorView(const QRect& frame, QWidget* parent = nullptr);

    // The curve image (null for none), the recording's motor type and the curve's scale.
    void setGensorGraphic(const QImage& graphic, int motorType, float scale);
    // position: the time slider's thumb x; x, y, z in thousandths of a G.
    void drawIndicator(int position, int x, int y, int z);
    void createGensorBitmap(int x, int y, int z);
    QImage getGensorBitmap() const { return poGensorBitmap.copy(); }
    QSize backgroundSize() const { return QSize(nBackgroundWidth, nBackgroundHeight); }

    QColor getXAxisColor() const { return colorXAxis; }
    QColor getYAxisColor() const { return colorYAxis; }
    QColor getZAxisColor() const { return colorZAxis; }
    std::array<QColor, 3> axisColors() const { return {colorXAxis, colorYAxis, colorZAxis}; }

    bool IsShowNoSensorMsg() const;
    void loadSkinBitmap();
    void changeLanguage();

    // Geometry, in Qt's top-down coordinates of the panel.
    QRect graphicRect() const { return toQt(rectGraphic); }
    QRect valueRect(int axis, int arrowIndex) const;
    QPoint arrowPoint(int axis, int arrowIndex) const;
    int indicatorPos() const { return nIndicatorPos; }
    float displayGValue() const { return fDisplayGValue; }
    int motorType() const { return m_nMotorType; }
    bool hasGraphic() const { return !poGraphicBitmap.isNull(); }
    const QImage& arrowImage(int axis, int arrowIndex) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void loadImages();
    void xCheckArrowColor();
    void xCreateBackgroundBitmap();
    QImage xCombineBitmapWithText(const QImage& image, const QString& text) const;
    void layoutParts();
    QRect toQt(const QRectF& yUp) const;

    int nBackgroundWidth = 340;
    int nBackgroundHeight = 212;
    QString backgroundImageName = "G-Sensor Screen_disable.png";
    QImage poBackgroundBitmap;
    QImage poDisableBitmap;
    QImage poGraphicBitmap;
    QImage poGensorBitmap;
    std::array<std::array<QImage, 2>, 3> poArrowBitmap; // X, Y, Z; positive, negative
    QRectF rectGraphic;
    std::array<QRectF, 3> rectKey;                      // rectX, rectY, rectZ
    std::array<std::array<QRectF, 2>, 3> rectValue;     // rectXValue, rectYValue, rectZValue
    std::array<std::array<QPointF, 2>, 3> ptArrow;      // ptXArrow, ptYArrow, ptZArrow
    QRectF rectMax, rectMean, rectMin;
    int nIndicatorPos = -1;
    float fDisplayGValue = 2.0f;
    QColor colorXAxis, colorYAxis, colorZAxis;
    QImage poDefaultUnknownBmp;
    QImage poDisableMotoBmp;
    qint16 m_nMotorType = 0;
};
