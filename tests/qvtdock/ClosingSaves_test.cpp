// Closing the launcher: the order of its steps, and saves that fail on their own.
#include "qvtdock/ClosingSaves.h"

#include "forms/base/Exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;

TEST(CloseOrder, VisibleForm_HidesFirstThenStoresWritesAndSaves) {
    EXPECT_THAT(CloseActions(true, true, true),
                ElementsAre(TCloseAction::HideForm, TCloseAction::StoreSettings,
                            TCloseAction::SaveGeometry, TCloseAction::SaveDataFile));
}

TEST(CloseOrder, HiddenForm_SavesTheSame) {
    EXPECT_THAT(CloseActions(false, true, true),
                ElementsAre(TCloseAction::StoreSettings, TCloseAction::SaveGeometry,
                            TCloseAction::SaveDataFile));
}

TEST(CloseOrder, DataNeverRead_TheDataFileIsNotWritten) {
    EXPECT_THAT(CloseActions(false, true, false),
                ElementsAre(TCloseAction::StoreSettings, TCloseAction::SaveGeometry));
}

TEST(CloseOrder, SettingsNeverRead_NoGeometryIsWritten) {
    EXPECT_THAT(CloseActions(false, false, true), ElementsAre(TCloseAction::SaveDataFile));
    EXPECT_TRUE(CloseActions(false, false, false).empty());
}

namespace {
struct SaveRun {
    std::vector<std::string> done, reported;
    std::vector<std::function<void()>> Steps(bool geometryFails, bool dataFails) {
        return {[this] { done.push_back("store"); },
                [this, geometryFails] {
                    if (geometryFails)
                        throw forms::EIniWriteError("C:\\u\\qvtdock.ini", "access denied");
                    done.push_back("geometry");
                },
                [this, dataFails] {
                    if (dataFails)
                        throw forms::Exception("disk full");
                    done.push_back("data");
                }};
    }
    std::function<void(std::exception_ptr)> Report() {
        return [this](std::exception_ptr e) {
            try {
                std::rethrow_exception(e);
            } catch (const forms::Exception& x) {
                reported.push_back(x.Message());
            }
        };
    }
};
} // namespace

TEST(CloseSaves, GeometryThatCannotBeWritten_StillSavesTheDataFile) {
    SaveRun r;
    EXPECT_EQ(RunEachReporting(r.Steps(true, false), r.Report()), 1);
    EXPECT_THAT(r.done, ElementsAre("store", "data"));
    ASSERT_EQ(r.reported.size(), 1u);
    EXPECT_NE(r.reported[0].find("C:\\u\\qvtdock.ini"), std::string::npos);
}

TEST(CloseSaves, BothFailing_EachReportedOnceInOrder) {
    SaveRun r;
    EXPECT_EQ(RunEachReporting(r.Steps(true, true), r.Report()), 2);
    EXPECT_THAT(r.done, ElementsAre("store"));
    ASSERT_EQ(r.reported.size(), 2u);
    EXPECT_EQ(r.reported[1], "disk full");
}

TEST(CloseSaves, NothingFailing_NothingReported) {
    SaveRun r;
    EXPECT_EQ(RunEachReporting(r.Steps(false, false), r.Report()), 0);
    EXPECT_THAT(r.done, ElementsAre("store", "geometry", "data"));
    EXPECT_TRUE(r.reported.empty());
}
