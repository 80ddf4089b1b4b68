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
#include "TrackExportDialog.h"
#include "TripController.h"
#include "playback/PlaybackController.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>

namespace {


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
    const int entry = mPlayback.getCurPlayIndex();
    auto* dialog = new TrackExportDialog(mWindow, getExportFolder(), mTrips->exportNames(entry));
    dialog->setObjectName("exportDialog");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    pmPrepareFileDialog(*dialog, FileDialogKind::SaveFile, pmLoadString("IDS_SAVE"));
    connect(dialog, &TrackExportDialog::exportChosen, this,
            [this, entry](const QString& path, ExportScope scope, ExportFormat format) {
                saveExportFolder(QFileInfo(path).absolutePath());
                pmStartWait();
                const bool written = mTrips->exportJourney(path, format, scope, entry);
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
