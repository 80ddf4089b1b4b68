// The export button: the track of the current recording as KML (or GPX) in a file the user
// picks, in the export folder.
#include "AppDelegate.h"

#include "LocalizedText.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Preferences.h"
#include "WaitingWindow/WaitingWindowController.h"
#include "export/GpxWriter.h"
#include "export/KmlExport.h"

#include <QDir>
#include <QFileDialog>
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

void AppDelegate::onButtonExport()
{
    if (getState() == 0 || !m_poGpsList.IsGPSReady())
        return;
    pausePlayback();
    const QString recording = QString::fromStdString(mPlaylist.getFilePathInPlaylist(m_nCurPlayIndex).value_or(""));
    auto* dialog = new QFileDialog(mWindow, pmLoadString("IDS_EXPORT_TO_KML"), getExportFolder());
    dialog->setObjectName("exportDialog");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setWindowModality(Qt::WindowModal);
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

bool AppDelegate::exportTrack(const QString& path)
{
    const std::string file = QDir::toNativeSeparators(path).toStdString();
    if (isGpxPath(path))
        return pmWriteGpx(file, m_poGpsList, QFileInfo(path).completeBaseName().toStdString());
    return outputKML(file, &m_poGpsList, std::chrono::system_clock::now());
}
