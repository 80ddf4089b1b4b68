// korivmanager-cli frame: the picture of a recording at a time, as the capture takes it, saved
// as a JPEG file. Part of the media program (it decodes through MediaAsset).

#include "CliCommand.h"
#include "MediaAsset.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>
#include <string>

namespace {

struct FrameArgs {
    std::string input;
    std::string output;
    double seconds = 0;
};

int parseFrameArgs(std::span<const std::string_view> args, FrameArgs& parsed)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view value;
        if (args[i] == "--at") {
            if (!cli::takeValue(args, i, value) || !cli::parseSeconds(value, parsed.seconds))
                return cli::usageError("frame", "--at takes a number of seconds");
        } else if (args[i] == "-o") {
            if (!cli::takeValue(args, i, value) || value.empty())
                return cli::usageError("frame", "-o takes a file");
            parsed.output = value;
        } else if (parsed.input.empty() && !args[i].starts_with("-")) {
            parsed.input = args[i];
        } else {
            return cli::usageError("frame", "unexpected argument '" + std::string(args[i]) + "'");
        }
    }
    if (parsed.input.empty() || parsed.output.empty())
        return cli::usageError("frame", "a recording and -o OUT.jpg are needed");
    return 0;
}

// Writes the picture through a temporary file in the same folder, renamed over the target once
// complete, so a failure never leaves a partial or damaged picture behind.
QString writeJpeg(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "jpg");
    if (!writer.write(image)) {
        file.cancelWriting();
        return writer.errorString();
    }
    return file.commit() ? QString() : file.errorString();
}

int failure(const std::string& what, const QString& why)
{
    std::fprintf(stderr, "korivmanager-cli frame: %s: %s\n", what.c_str(), why.toLocal8Bit().constData());
    return 1;
}

} // namespace

int runFrame(std::span<const std::string_view> args)
{
    FrameArgs options;
    if (int error = parseFrameArgs(args, options))
        return error;
    // The JPEG writer is a plug-in, found through the application object.
    int argc = 1;
    char name[] = "korivmanager-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    MediaAsset asset(QFile::decodeName(options.input.c_str()));
    if (!asset.isValid())
        return failure("cannot read " + options.input, asset.errorString());
    const QImage image = asset.imageAt(options.seconds);
    if (image.isNull())
        return failure("no picture at " + QString::number(options.seconds).toStdString() + " s in " + options.input,
                       asset.errorString());
    if (QString error = writeJpeg(image, QFile::decodeName(options.output.c_str())); !error.isEmpty())
        return failure("cannot write " + options.output, error);
    std::fprintf(stderr, "frame: %s written (%dx%d, the picture at %.3f s)\n", options.output.c_str(), image.width(),
                 image.height(), asset.actualTime());
    return 0;
}
