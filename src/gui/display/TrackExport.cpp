// The export button: the track of the current recording as KML (or GPX) in a file the user
// picks, in the export folder.
#include "TrackController.h"

#include "LocalizedText.h"
#include "MessageBox.h"
#include "Preferences.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "browse/BrowseController.h"
#include "controls/FileDialog.h"
#include "export/GpxWriter.h"
#include "export/KmlExport.h"
#include "playback/PlaybackController.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>

namespace {

const QString kKmlFilter = "KML (*.kml)";
const QString kGpxFilter = "GPX 1.1 (*.gpx)";

bool isGpxPath(const QString& path)
{
    return QFileInfo(path).suffix().compare("gpx", Qt::CaseInsensitive) == 0;
}

} // namespace

void TrackController::onButtonExport()
{
    if (mPlayback.getState() == kPlayStateClosed || !m_poGpsList.IsGPSReady())
        return;
    mPlayback.pausePlayback();
    const QString recording =
        QString::fromStdString(mBrowse.playlist().getFilePathInPlaylist(mPlayback.getCurPlayIndex()).value_or(""));
    auto* dialog = new QFileDialog(mWindow, pmLoadString("IDS_EXPORT_TO_KML"), getExportFolder());
    dialog->setObjectName("exportDialog");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    pmPrepareFileDialog(*dialog, FileDialogKind::SaveFile, pmLoadString("IDS_SAVE"));
    dialog->setNameFilters({kKmlFilter, kGpxFilter});
    dialog->setDefaultSuffix("kml");
    dialog->selectFile(QFileInfo(recording).completeBaseName() + ".kml");
    // The file name follows the chosen type.
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        const QString suffix = filter == kGpxFilter ? "gpx" : "kml";
        dialog->setDefaultSuffix(suffix);
        const QStringList chosen = dialog->selectedFiles();
        if (!chosen.isEmpty())
            dialog->selectFile(QFileInfo(chosen.first()).completeBaseName() + "." + suffix);
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        saveExportFolder(QFileInfo(path).absolutePath());
        pmStartWait();
        const bool written = exportTrack(path);
        pmEndWait();
        if (!written)
            pmMessageBox(pmLoadString("IDS_ERR_EXPORT_FAILED"));
    });
    dialog->open();
}

bool TrackController::exportTrack(const QString& path)
{
    const std::string file = QDir::toNativeSeparators(path).toStdString();
    if (isGpxPath(path))
        return pmWriteGpx(file, m_poGpsList, QFileInfo(path).completeBaseName().toStdString());
    return outputKML(file, &m_poGpsList, std::chrono::system_clock::now());
}
