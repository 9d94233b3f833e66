#include "support/TempDir.h"

#include "app/EnvSettings.h"
#include "app/RenameApp.h"
#include "platform/RegistryStore.h"

#include <gtest/gtest.h>

#include <regex>

using testing_support::IsolatedUserDirs;

namespace {

TEST(RenameAppTest, FirstStartMayRunAndWritesNothing)
{
    IsolatedUserDirs user;
    CRenameApp app;
    EXPECT_TRUE(app.InitInstance());
    EXPECT_FALSE(testing_support::Exists(CRegistryStore::FilePath()));
}

TEST(RenameAppTest, LaterStartHandsOverUnlessSeveralAreAllowed)
{
    IsolatedUserDirs user;
    CRenameApp first;
    ASSERT_TRUE(first.InitInstance());
    CRenameApp second;
    EXPECT_FALSE(second.InitInstance());

    CEnvSettings env;
    env.Load();
    env.IsMultiExec = 1;
    ASSERT_TRUE(env.Save("StartUp"));
    CRenameApp third;
    EXPECT_TRUE(third.InitInstance());
}

TEST(RenameAppTest, VersionRecordComesFromTheBuild)
{
    EXPECT_EQ(CRenameApp::InternalName(), "Kestrel");
    EXPECT_TRUE(std::regex_match(CRenameApp::FileVersion(), std::regex(R"(\d+\.\d+\.\d+)")));
    EXPECT_FALSE(CRenameApp::LegalCopyright().empty());
}

} // namespace
