// The capture and print paths on dual 1080p recordings (H.264, a key frame every 2 s):
//   - capture: from the two pictures asked at 1.9 s into a run of frames (the worst case, as
//     the capture button asks them, both at once off the GUI thread) to the preview dialog
//     shown and painted; target at most 300 ms;
//   - print: from the print preview made with both pictures to a one-page PDF written;
//     target at most 1 s.
// Each figure is the median of several runs after one that warms the file cache.
//
//   QT_QPA_PLATFORM=offscreen build/bench/tools_panels_bench [RUNS]

#include "MediaAsset.h"
#include "SkinImages.h"
#include "TempDir.h"
#include "TestClips.h"
#include "tools/CapturePreviewDlg.h"
#include "tools/PrintCanvasView.h"
#include "tools/PrintWindowController.h"

#include <QApplication>
#include <QFile>
#include <QFuture>
#include <QPrinter>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double medianMs(int runs, const std::function<void()>& work)
{
    work(); // warms the caches
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void capture(const QString& front, const QString& rear)
{
    QFuture<QImage> image = MediaAsset::imageAtAsync(front, 1.9);
    QFuture<QImage> subImage = MediaAsset::imageAtAsync(rear, 1.9);
    CapturePreviewDlg dialog(image.result(), subImage.result(), nullptr);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        std::fprintf(stderr, "tools_panels_bench: the preview was not shown\n");
    dialog.repaint();
}

void print(const PrintPageContent& content, const QString& pdf)
{
    PrintWindowController dialog(content, nullptr);
    dialog.setPrintDialogRunner([&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    dialog.printOnePage();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    TempDir dir;
    const std::string front = dir.file("DCIM/100F/FILE0001F.MP4");
    const std::string rear = dir.file("DCIM/100R/FILE0001R.MP4");
    if (!writeCameraLikeClip(front, 4) || !writeCameraLikeClip(rear, 4)) {
        std::fprintf(stderr, "tools_panels_bench: ffmpeg could not write the 1080p clips\n");
        return 1;
    }
    const QString frontPath = QString::fromStdString(front);
    const QString rearPath = QString::fromStdString(rear);
    const double captureMs = medianMs(runs, [&] { capture(frontPath, rearPath); });
    std::printf("capture, dual 1080p at 1.9 s into a run: %.1f ms to the preview shown (target 300 ms)\n",
                captureMs);

    PrintPageContent content;
    content.videoImage = MediaAsset(frontPath).imageAt(1.9);
    content.videoImage2 = MediaAsset(rearPath).imageAt(1.9);
    content.gsensorImage = pmGetSkinImage("GSensorGraphic.png");
    const QString pdf = QString::fromStdString(dir.file("page.pdf"));
    const double printMs = medianMs(runs, [&] { print(content, pdf); });
    std::printf("print preview to a one-page PDF, dual 1080p: %.1f ms, %lld bytes (target 1000 ms)\n", printMs,
                static_cast<long long>(QFile(pdf).size()));
    return 0;
}
