// GUI tests run offscreen with a home folder of their own, so the user's settings, Documents
// folder and log are never touched.
#include "util/Log.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    const QString homePath = home.path();
    qputenv("HOME", homePath.toUtf8());
    qputenv("XDG_CONFIG_HOME", (homePath + "/.config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (homePath + "/runtime").toUtf8());
    QDir(homePath).mkpath("runtime");
    QFile::setPermissions(homePath + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir(homePath).mkpath("Documents");
    QDir(homePath).mkpath("Videos");

    // The embedded web views' sandbox cannot start as root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    // The embedded web views share the window's graphics contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(KORIV_VERSION);
    pmSetLogFolder((homePath + "/Documents").toStdString());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
