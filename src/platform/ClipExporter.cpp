#include "ClipExporter.h"

#include "ClipJob.h"
#include "ClipOutput.h"
#include "ClipPlanner.h"
#include "ClipRemuxer.h"
#include "ClipTranscoder.h"
#include "LogText.h"
#include "export/MovieEndTrim.h"
#include "util/FileQueries.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

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
    std::string error;
    const QString temporary =
        QFile::decodeName(pmCreateFileBeside(QFile::encodeName(mRequest.output).toStdString(), error).c_str());
    if (temporary.isEmpty()) {
        m->fail(ClipFailure::WriteFailed, QStringLiteral("cannot write in %1: %2")
                                              .arg(QFileInfo(mRequest.output).absolutePath(), QString::fromLocal8Bit(error.c_str())));
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
