#include "ClipExporter.h"

#include "ClipJob.h"
#include "ClipOutput.h"
#include "ClipPlanner.h"
#include "ClipRemuxer.h"
#include "ClipTranscoder.h"
#include "LogText.h"
#include "export/MovieEndTrim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A new empty file beside the output, with the permissions an ordinary file gets; empty on
// failure, with the reason.
QString createTemporaryBeside(const QString& output, QString& error)
{
    static std::atomic<unsigned> counter{0};
    const QFileInfo target(output);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = target.absoluteDir().filePath(QStringLiteral(".%1.%2-%3.part")
                                                               .arg(target.fileName())
                                                               .arg(::getpid())
                                                               .arg(counter.fetch_add(1)));
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            error = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
    }
    return {};
}

} // namespace

ClipExporter::ClipExporter(ClipRequest request) : mRequest(std::move(request)), m(std::make_unique<ClipJob>())
{
}

ClipExporter::~ClipExporter() = default;

void ClipExporter::setProgressHandler(ProgressHandler handler)
{
    m->progress = std::move(handler);
}

void ClipExporter::cancel()
{
    m->cancelled.store(true);
}

ClipFailure ClipExporter::failure() const
{
    return m->failure();
}

QString ClipExporter::errorString() const
{
    return m->error();
}

double ClipExporter::duration() const
{
    return m->duration;
}

int ClipExporter::damagedFrames() const
{
    return m->damagedFrames;
}

bool ClipExporter::write(const QString& temporary)
{
    ClipOutput output(*m);
    if (!output.open(temporary))
        return false;
    const bool written = mReencoded ? ClipTranscoder(*m, output).run(*mPlan)
                                    : ClipRemuxer(*m, output).run(mPlan->main, mPlan->sound);
    if (!written || !output.finish())
        return false;
    if (!pmTrimMovieEnd(QFile::encodeName(temporary).toStdString(), m->duration))
        return m->fail(ClipFailure::WriteFailed, QStringLiteral("cannot end the clip at its length"));
    return true;
}

bool ClipExporter::run()
{
    pmQuietFfmpeg();
    ClipPlanner planner(*m);
    mPlan = planner.plan(mRequest);
    mReencoded = !planner.copyable();
    if (!mPlan || m->stopped())
        return false;
    QString error;
    const QString temporary = createTemporaryBeside(mRequest.output, error);
    if (temporary.isEmpty()) {
        m->fail(ClipFailure::WriteFailed,
                QStringLiteral("cannot write in %1: %2").arg(QFileInfo(mRequest.output).absolutePath(), error));
    } else if (!write(temporary) || m->stopped()) {
        QFile::remove(temporary);
    } else if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(mRequest.output).constData()) != 0) {
        m->fail(ClipFailure::WriteFailed,
                QStringLiteral("cannot write %1: %2").arg(mRequest.output, QString::fromLocal8Bit(std::strerror(errno))));
        QFile::remove(temporary);
    } else {
        m->reached(m->duration);
        return true;
    }
    pmWriteLogText(QStringLiteral("ClipExporter - %1: %2").arg(mRequest.output, m->error()));
    return false;
}
