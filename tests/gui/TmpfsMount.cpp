#include "TmpfsMount.h"

#include <QDir>
#include <QProcess>

namespace {

// Runs a command and gives its error text, empty on success.
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return program + " did not finish: " + process.errorString();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString::fromLocal8Bit(process.readAllStandardError()).trimmed() + " (exit " +
               QString::number(process.exitCode()) + ")";
    return {};
}

} // namespace

TmpfsMount::TmpfsMount(const QString& mountPoint) : mPath(mountPoint)
{
    QDir().mkpath(mountPoint);
    mError = run("mount", {"-t", "tmpfs", "-o", "size=4m", "tmpfs", mountPoint});
    mMounted = mError.isEmpty();
}

TmpfsMount::~TmpfsMount()
{
    unmount();
}

bool TmpfsMount::unmount()
{
    if (!mMounted)
        return false;
    mError = run("umount", {"-l", mPath});
    mMounted = !mError.isEmpty();
    return !mMounted;
}
