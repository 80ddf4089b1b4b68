// A folder the user chose that cannot be read: the list is emptied, the user is told in the
// chosen language, and the window goes on working.
#include "GuiTestSupport.h"
#include "ModalScript.h"

#include "LocalizedText.h"
#include "app/MainWindow.h"
#include "browse/FileListBox.h"
#include "browse/FileListView.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Root reads any folder whatever its mode: for the lifetime of this object the calling thread
// (the one that scans) loses the capabilities that override file permissions.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride()
    {
        mHeader.version = _LINUX_CAPABILITY_VERSION_3;
        syscall(SYS_capget, &mHeader, mSaved);
        __user_cap_data_struct reduced[2] = {mSaved[0], mSaved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &mHeader, reduced);
    }
    ~WithoutPermissionOverride() { syscall(SYS_capset, &mHeader, mSaved); }

private:
    __user_cap_header_struct mHeader{};
    __user_cap_data_struct mSaved[2]{};
};

class UnreadableFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeRecording(card.path(), "DCIM/MOVIEF/FILE0001F.MP4");
        app = launchApplication(card.path());
        ASSERT_EQ(app->playlist().count(), 1);
    }
    int rows() const { return int(app->fileListView()->fileListBox()->listBoxData().size()); }

    QTemporaryDir card;
    std::unique_ptr<AppDelegate> app;
};

} // namespace

TEST_F(UnreadableFolderTest, AFolderThatVanishedBeforeTheScanEmptiesTheListAndIsTold)
{
    QTemporaryDir other;
    const QString gone = other.filePath("card");
    ASSERT_TRUE(QDir().mkpath(gone));
    ASSERT_TRUE(QDir(gone).removeRecursively());

    ModalScript script;
    app->openFolder(gone);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !script.messages().isEmpty(); }, 10000));
    EXPECT_EQ(script.messages().first(), pmLoadString("IDS_ERR_FOLDER_UNREADABLE") + "\n" + gone);
    EXPECT_TRUE(app->playlist().empty());
    EXPECT_EQ(rows(), 0);
    EXPECT_GE(logIndexOf(logMessages(), "AppDelegate::buildVideoLibrary - cannot read the folder - " + gone), 0);

    // The window still works: the card opens again with its recording.
    app->openFolder(card.path());
    EXPECT_EQ(app->playlist().count(), 1);
    EXPECT_EQ(script.messages().size(), 1);
}

TEST_F(UnreadableFolderTest, AFolderWithoutPermissionsEmptiesTheListAndIsTold)
{
    QTemporaryDir locked;
    writeRecording(locked.path(), "DCIM/MOVIEF/FILE0009F.MP4");
    ASSERT_TRUE(QFile::setPermissions(locked.path(), QFileDevice::Permissions()));

    ModalScript script;
    {
        const WithoutPermissionOverride asUser;
        app->openFolder(locked.path());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !script.messages().isEmpty(); }, 10000));
    EXPECT_TRUE(script.messages().first().startsWith(pmLoadString("IDS_ERR_FOLDER_UNREADABLE")));
    EXPECT_TRUE(app->playlist().empty());
    EXPECT_EQ(rows(), 0);
    QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(UnreadableFolderTest, AnEmptyReadableFolderIsNotReported)
{
    QTemporaryDir empty;
    app->openFolder(empty.path());
    // The alert would have been opened by the call itself.
    EXPECT_TRUE(app->mainWindow()->findChildren<QMessageBox*>().isEmpty());
    EXPECT_TRUE(app->playlist().empty());
}
