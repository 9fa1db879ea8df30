// Folder items on real folders, and the road from the running executable to
// its bundle's Resources folder where it breaks.
#include "framework/FolderItem.h"

#include "RaisedBy.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using tolvane::testing::raisedBy;

class FolderItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        fs::create_directories(resources());
    }
    void TearDown() override { fw::RuntimeOverrideExecutablePath({}); }

    fs::path root() const { return m_root.path().toStdString(); }
    fs::path macOS() const { return root() / "Tolvane.app/Contents/MacOS"; }
    fs::path executable() const { return macOS() / "Tolvane"; }
    fs::path resources() const { return root() / "Tolvane.app/Contents/Resources"; }

private:
    QTemporaryDir m_root;
};

TEST_F(FolderItemTest, ChildNamesAnyEntryOfAnExistingFolderOnly)
{
    fw::Ref<fw::FolderItem> folder = fw::FolderItem::make(resources().string());
    std::ofstream(resources() / "present.jpg") << "x";
    fw::Ref<fw::FolderItem> present = fw::FolderItem::Child(folder.get(), "present.jpg");
    fw::Ref<fw::FolderItem> absent = fw::FolderItem::Child(folder.get(), "absent.jpg");
    ASSERT_TRUE(present && absent);
    EXPECT_EQ(present->path(), (resources() / "present.jpg").string());
    EXPECT_EQ(absent->path(), (resources() / "absent.jpg").string());

    // Neither a plain file nor a missing folder has children, and no name
    // leads out of the folder.
    EXPECT_FALSE(fw::FolderItem::Child(present.get(), "inside"));
    EXPECT_FALSE(fw::FolderItem::Child(absent.get(), "inside"));
    for (const char* name : {"", ".", "..", "../MacOS", "a/b", "/etc"})
        EXPECT_FALSE(fw::FolderItem::Child(folder.get(), name)) << name;
}

TEST_F(FolderItemTest, PathsAreAbsoluteAndNormalAndParentsEndAtTheRoot)
{
    EXPECT_FALSE(fw::FolderItem::make("relative/path"));
    EXPECT_FALSE(fw::FolderItem::make(""));
    EXPECT_EQ(fw::FolderItem::make("/a/./b/../c/")->path(), "/a/c");

    fw::Ref<fw::FolderItem> item = fw::FolderItem::make(executable().string());
    EXPECT_EQ(fw::FolderItem::Parent(item.get())->path(), macOS().string());
    while (fw::Ref<fw::FolderItem> parent = fw::FolderItem::Parent(item.get()))
        item = parent;
    EXPECT_EQ(item->path(), "/");
}

TEST_F(FolderItemTest, CallsThroughNilAndNilOnTheRoadToResourcesRaise)
{
    EXPECT_EQ(raisedBy([] { fw::FolderItem::Child(nullptr, "x"); }), "NilObjectException");
    EXPECT_EQ(raisedBy([] { fw::FolderItem::Parent(nullptr); }), "NilObjectException");
    EXPECT_EQ(raisedBy([] { fw::FolderItem::OpenAsPicture(nullptr); }), "NilObjectException");
    EXPECT_EQ(raisedBy([] { fw::FolderItem::OpenAsSound(nullptr); }), "NilObjectException");
    fw::RuntimeOverrideExecutablePath("not/absolute"); // no executable item
    EXPECT_EQ(raisedBy([] { fw::_GetApplicationBundleResources(); }), "NilObjectException");
    fw::RuntimeOverrideExecutablePath("/"); // no parent
    EXPECT_EQ(raisedBy([] { fw::_GetApplicationBundleResources(); }), "NilObjectException");
}

} // namespace
