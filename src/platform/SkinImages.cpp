#include "SkinImages.h"

#include "PreferenceKeys.h"
#include "Preferences.h"
#include "util/Log.h"

#include <QDir>
#include <QFileInfo>

// The images live in an object file of their own; naming its initialiser keeps the linker
// from dropping it out of the static library.
static void registerSkinResources()
{
    Q_INIT_RESOURCE(skins);
}

namespace {

QString overrideFolder()
{
    return qEnvironmentVariable("KORIV_SKIN_DIR");
}

} // namespace

QString pmSkinImageName(int skinId, const QString& baseName)
{
    return QString::asprintf("skin_%02d_", skinId + 1) + baseName;
}

QImage pmGetSkinImage(const QString& baseName)
{
    static const bool registered = (registerSkinResources(), true);
    Q_UNUSED(registered);
    const QString name = pmSkinImageName(pmGetCurrentSkin(), baseName);
    const QString folder = overrideFolder();
    if (!folder.isEmpty() && QFileInfo::exists(QDir(folder).filePath(name))) {
        return QImage(QDir(folder).filePath(name));
    }
    QImage image(":/skins/" + name);
    if (image.isNull()) {
        pmWriteLog(("pmGetSkinImage - no image " + name).toStdString());
    }
    return image;
}

bool pmIsRightToLeft()
{
    return getLanguageId() == kLanguageArabic;
}

QImage pmMirrorImage(const QImage& image)
{
    return image.mirrored(true, false);
}
