// The demo launcher's data under Wine: every button names something that the prefix has, and the
// launcher can have an icon for each.
#include "tools/demo/DemoData.h"

#include "demo/DemoTesting.h"
#include "forms/base/Files.h"
#include "shared/LaunchItems.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(DemoUnderWine, EveryPathOfTheDemoExists) {
    kbtest::TempDir dir;
    demo::WriteDemoFolder(demo::ReadDemoTable(demotest::Table(), dir.Path()), dir.Path());
    TLaunchList list;
    list.SetFileName(dir.File("qvtdock.lst"));
    list.LoadFromFile();
    ASSERT_TRUE(list.Loaded());

    int registered = 0;
    for (int i = 0; i < list.Count(); ++i) {
        const TLaunchDataItem& item = *list.Items(i);
        SCOPED_TRACE(item.Title);
        switch (item.Kind) {
        case ikUnregistered:
            continue;
        case ikProgram:
        case ikDocument:
            EXPECT_TRUE(forms::FileExists(item.Path)) << item.Path;
            break;
        case ikFolder:
            EXPECT_TRUE(forms::DirectoryExists(item.Path)) << item.Path;
            break;
        case ikSpecialFolder: {
            const auto folder = RootFolderFromName(item.Path);
            ASSERT_TRUE(folder);
            // Raises when the system has no such folder.
            EXPECT_NE(RootFolderPidl(*folder), nullptr);
            break;
        }
        case ikUrl: {
            ASSERT_TRUE(forms::FileExists(item.LinkFile)) << item.LinkFile;
            TLaunchDataItem read;
            ASSERT_TRUE(ReadUrlShortcut(item.LinkFile, read));
            EXPECT_EQ(read.Path, item.Path);
            break;
        }
        default:
            ADD_FAILURE() << "a kind the demo does not use";
        }
        if (!item.WorkDir.empty()) {
            EXPECT_TRUE(forms::DirectoryExists(item.WorkDir)) << item.WorkDir;
        }
        EXPECT_NE(ItemIcon(item), nullptr);
        ++registered;
    }
    EXPECT_GE(registered, 12);
}
