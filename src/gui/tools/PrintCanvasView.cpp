#include "PrintCanvasView.h"

#include "LocalizedText.h"
#include "SkinImages.h"
#include "TextLayout.h"
#include "display/PrintPageText.h"

#include <QPainter>

#include <cmath>

namespace {

const char* const kRowTitleKeys[] = {"IDS_DIRECTION", "IDS_LONGITUDE", "IDS_LATITUDE", "IDS_ALTITUDE", "IDS_SPEED"};

QFont pageFont()
{
    QFont font(QStringLiteral("Helvetica"));
    font.setPointSizeF(12);
    return font;
}

// Fits the picture into the box keeping its shape, the scales compared in single precision
// as the page has always done (a tie shrinks the height).
QRectF fitInto(QRectF box, const QImage& picture)
{
    if (picture.isNull())
        return box;
    const float sx = float(box.width()) / float(picture.width());
    const float sy = float(box.height()) / float(picture.height());
    if (sy < sx)
        box.setWidth(std::trunc(float(picture.width()) * sy));
    else
        box.setHeight(std::trunc(float(picture.height()) * sx));
    return box;
}

} // namespace

PrintCanvasView::PrintCanvasView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kPageWidth, kPageHeight);
    setPrintOptions(0, false);
}

void PrintCanvasView::setContent(const PrintPageContent& content)
{
    mContent = content;
    mContent.videoImage = content.videoImage.copy();
    mContent.videoImage2 = content.videoImage2.copy();
    setPrintOptions(mContent.videoImage2.isNull() ? 0 : 3, false);
}

QRectF PrintCanvasView::xMakeHalfRect(const QRectF& rect)
{
    return QRectF(rect.x() + rect.width() / 2, rect.y(), rect.width() / 2, rect.height());
}

QRectF PrintCanvasView::toTopDown(const QRectF& yUp)
{
    return QRectF(yUp.x(), kPageHeight - yUp.height() - yUp.y(), yUp.width(), yUp.height());
}

void PrintCanvasView::setPrintOptions(int option, bool redraw)
{
    nPrintOptions = static_cast<qint16>(option);
    const double W = rectViewFrame.width();
    const double H = rectViewFrame.height();
    // First top-down, as the page is read.
    rectVideo = QRectF(10, 10, W - 20, (W - 20) * 56 / 100);
    if (option == 3) {
        rectVideo.setHeight(H * 32 / 100);
        rectVideo = fitInto(rectVideo, mContent.videoImage);
        rectVideo2 = rectVideo;
        rectVideo2.moveTop(rectVideo.y() + rectVideo.height() + 10);
        rectVideo2.setHeight(std::trunc(H * 67 / 100) - rectVideo.height() - 10);
        rectVideo2 = fitInto(rectVideo2, mContent.videoImage2);
    } else {
        rectVideo2 = rectVideo;
    }
    rectGSensor = QRectF(W / 2, rectVideo2.y() + rectVideo2.height() + 10, W / 2 - 10, (W / 2 - 10) * 62 / 100);
    const double y0 = std::trunc(rectGSensor.y());
    const double step = std::trunc((rectGSensor.height() - 100) / 4) + 20;
    for (size_t i = 0; i < mRows.size(); ++i)
        mRows[i] = QRectF(10, y0 + double(i) * step, W / 2 - 10, 20);
    rectDate = QRectF(W / 2, H - 30, W / 2 - 10, 20);

    // Then y-up, the page's own coordinates.
    for (QRectF* r : {&rectVideo, &rectVideo2, &rectGSensor})
        r->moveTop(H - r->height() - r->y());
    rectDate.moveTop(H - 20 - rectDate.y());
    for (QRectF& row : mRows) {
        row.moveTop(H - row.height() - row.y());
        pmAdjustTextRect(row, pageFont(), 0);
    }
    if (redraw)
        update();
}

void PrintCanvasView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawPage(painter, rect());
}

QImage PrintCanvasView::renderPage(double scale) const
{
    QImage page(QSize(int(kPageWidth * scale), int(kPageHeight * scale)), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    drawPage(painter, page.rect());
    return page;
}

void PrintCanvasView::drawPage(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kPageWidth, target.height() / kPageHeight);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), Qt::white);
    if (nPrintOptions == 2) {
        painter.drawImage(toTopDown(rectVideo), mContent.videoImage2);
    } else {
        painter.drawImage(toTopDown(rectVideo), mContent.videoImage);
        if (nPrintOptions == 3 && !mContent.videoImage2.isNull())
            painter.drawImage(toTopDown(rectVideo2), mContent.videoImage2);
    }
    painter.drawImage(toTopDown(rectGSensor), mContent.gsensorImage);
    drawTexts(painter);
    painter.restore();
}

void PrintCanvasView::drawTexts(QPainter& painter) const
{
    const GpsData* sample = mContent.sample ? &*mContent.sample : nullptr;
    const PrintRowValues values = pmPrintRowValues(sample, mContent.speedUnit,
                                                   pmLoadString("IDS_UNIT_DEGREE").toStdString());
    const std::string* rowValues[] = {&values.direction, &values.longitude, &values.latitude, &values.altitude,
                                      &values.speed};
    painter.setFont(pageFont());
    painter.setPen(Qt::black);
    const bool rightToLeft = pmIsRightToLeft();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    for (size_t i = 0; i < mRows.size(); ++i) {
        const QRectF row = toTopDown(mRows[i]);
        const QString title = QStringLiteral("%1 :").arg(pmLoadString(kRowTitleKeys[i]));
        const QString value = QString::fromStdString(*rowValues[i]);
        painter.drawText(rightToLeft ? xMakeHalfRect(row) : row, flags, title);
        painter.drawText(rightToLeft ? row : xMakeHalfRect(row), flags, value);
    }
    const QDate& d = mContent.date;
    const QString date = QString::asprintf("%s : %04d/%02d/%02d", qUtf8Printable(pmLoadString("IDS_PRINT_DATE")),
                                           d.year(), d.month(), d.day());
    painter.drawText(toTopDown(rectDate), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, date);
}
