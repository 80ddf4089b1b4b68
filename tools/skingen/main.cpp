// koriv-skingen: draws every control image of the four skins into a folder and writes the
// resource list that bundles them.
//
//   koriv-skingen --icons <tabler icons folder> --out <folder> --qrc <file> [--overrides <folder>]
//
// A PNG in the override folder replaces the drawn image of the same name: "skin_02_<name>"
// for one skin, "<name>" for all four.
#include "SkinAreas.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool writeSkin(int skinId, const QCommandLineParser& args, const IconSet& icons, QStringList& files)
{
    const SkinPalette palette = SkinPalette::forSkin(skinId);
    const SkinContext skin{palette, icons};
    SkinWriter writer(skinId, args.value("out"), args.value("overrides"));
    writeToolbarImages(writer, skin);
    writePlaybarImages(writer, skin);
    writeMapImages(writer, skin);
    writeMapInfoImages(writer, skin);
    writeGSensorImages(writer, skin);
    writeListImages(writer, skin);
    writeCalendarImages(writer, skin);
    writeDialogImages(writer, skin);
    files += writer.written();
    return !writer.failed();
}

bool writeResourceList(const QString& path, const QStringList& files)
{
    QByteArray text = "<RCC>\n  <qresource prefix=\"/skins\">\n";
    for (const QString& file : files) {
        text += "    <file>" + file.toUtf8() + "</file>\n";
    }
    text += "  </qresource>\n</RCC>\n";
    QFile qrc(path);
    return qrc.open(QIODevice::WriteOnly | QIODevice::Truncate) && qrc.write(text) == text.size();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser args;
    args.addOptions({{"icons", "Tabler icons folder (with outline/ and filled/).", "folder"},
                     {"out", "Folder for the PNG files.", "folder"},
                     {"qrc", "Resource list to write.", "file"},
                     {"overrides", "Folder of hand-made images that replace drawn ones.", "folder"}});
    args.process(app);
    if (!args.isSet("icons") || !args.isSet("out") || !args.isSet("qrc")) {
        std::fprintf(stderr, "usage: koriv-skingen --icons DIR --out DIR --qrc FILE [--overrides DIR]\n");
        return 2;
    }
    QDir().mkpath(args.value("out"));
    const IconSet icons(args.value("icons"));
    QStringList files;
    bool ok = true;
    for (int skinId = 0; skinId < 4; ++skinId) {
        ok = writeSkin(skinId, args, icons, files) && ok;
    }
    QStringList missing = icons.missing();
    missing.removeDuplicates();
    for (const QString& name : missing) {
        std::fprintf(stderr, "koriv-skingen: no icon %s in %s\n", qPrintable(name), qPrintable(args.value("icons")));
    }
    ok = ok && missing.isEmpty();
    ok = ok && writeResourceList(args.value("qrc"), files);
    return ok ? 0 : 1;
}
