// The controller's sharing: the upload sites.
#include "AppDelegate.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

const char* const kYouTubeHome = "https://www.youtube.com/";

} // namespace

void AppDelegate::onButtonUploadYouTube()
{
    QDesktopServices::openUrl(QUrl(kYouTubeHome));
}

