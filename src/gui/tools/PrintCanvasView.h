#pragma once
// The printed page of the current moment: the video picture (one camera, the other or both),
// the G-sensor graph, the GPS values of the current second and the date of printing. The same
// drawing serves the preview on screen, a picture and the printer.

#include "gps/GpsData.h"

#include <QDate>
#include <QImage>
#include <QRectF>
#include <QWidget>

#include <array>
#include <optional>

class QPainter;

struct PrintPageContent {
    QImage videoImage;
    QImage videoImage2;  // null outside dual-camera mode
    QImage gsensorImage;
    std::optional<GpsData> sample;
    int speedUnit = 0;
    QDate date = QDate::currentDate();
};

class PrintCanvasView : public QWidget {
    Q_OBJECT
public:
    // The page in points.
    static constexpr int kPageWidth = 540;
    static constexpr int kPageHeight = 720;

    explicit PrintCanvasView(QWidget* parent = nullptr);

    // Takes copies of the pictures; option 3 in dual-camera mode, else 0.
    void setContent(const PrintPageContent& content);
    void setPrintOptions(int option, bool redraw);
    int printOptions() const { return nPrintOptions; }

    // Draws the page scaled into the target rectangle of any paint device.
    void drawPage(QPainter& painter, const QRectF& target) const;
    QImage renderPage(double scale = 1.0) const;

    // The layout, y-up in page points.
    const QRectF& videoRect() const { return rectVideo; }
    const QRectF& video2Rect() const { return rectVideo2; }
    const QRectF& gsensorRect() const { return rectGSensor; }
    const QRectF& dateRect() const { return rectDate; }
    // The five rows: direction, longitude, latitude, altitude, speed.
    const QRectF& rowRect(int row) const { return mRows[static_cast<size_t>(row)]; }
    // Rectangle to its right half.
    static QRectF xMakeHalfRect(const QRectF& rect);
    // A y-up page rectangle in Qt's top-down page coordinates.
    static QRectF toTopDown(const QRectF& yUp);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawTexts(QPainter& painter) const;

    PrintPageContent mContent;
    QRectF rectViewFrame{0, 0, kPageWidth, kPageHeight};
    qint16 nPrintOptions = 0;
    QRectF rectVideo, rectVideo2, rectGSensor, rectDate;
    std::array<QRectF, 5> mRows{};
};
