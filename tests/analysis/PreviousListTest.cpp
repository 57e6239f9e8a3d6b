#include "analysis/PreviousList.h"
#include "analysis/ListElimination.h"
#include "core/ColumnFile.h"
#include "core/FileError.h"
#include "support/TempDataDir.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace velmorix;
using velmorix::test::rec;
using velmorix::test::TempDataDir;

namespace {

std::vector<ColumnRecord> columns() {
    return {rec(KeepMark, {1, 2, 3, 4, 5, 6}), rec(KeepMark, {7, 9, 11, 20, 30, 40}),
            rec(KeepMark, {2, 12, 22, 32, 42, 45})};
}

// Makes the `failing`-th rename from now on fail (and, with `lasting`, every later one).
void failRename(TempDataDir& t, int failing, bool lasting = false) {
    auto calls = std::make_shared<int>(0);
    t.dir().setFaultHook([=](FileStep step, const std::string&, int64_t) {
        if (step != FileStep::Rename)
            return 0;
        ++*calls;
        return *calls == failing || (lasting && *calls > failing) ? EACCES : 0;
    });
}

} // namespace

TEST(PreviousListTest, UndoAndRedoOfAnEliminationRestoreTheBytes) {
    TempDataDir t;
    t.writeRecords(files::List, columns());
    const auto original = t.readBytes(files::List);
    eliminateWithBackup(t.dir(), files::List, [](const ColumnRecord& c) { return c.Ball[0] != 7; });
    const auto thinned = t.readBytes(files::List);
    ASSERT_NE(thinned, original);

    EXPECT_EQ(swapWithPreviousList(t.dir()), ListSwap::Swapped);
    EXPECT_EQ(t.readBytes(files::List), original);
    EXPECT_EQ(t.readBytes(files::OldList), thinned);
    EXPECT_EQ(swapWithPreviousList(t.dir()), ListSwap::Swapped);
    EXPECT_EQ(t.readBytes(files::List), thinned);
    EXPECT_EQ(t.readBytes(files::OldList), original);
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"VELMORIX.LST", "VELMORIX.OLD"}));
}

TEST(PreviousListTest, AnEliminationThatLeftNoListIsTakenBack) {
    TempDataDir t;
    t.writeRecords(files::List, columns());
    const auto original = t.readBytes(files::List);
    eliminateWithBackup(t.dir(), files::List, [](const ColumnRecord&) { return false; });
    ASSERT_FALSE(t.dir().exists(files::List));

    EXPECT_EQ(swapWithPreviousList(t.dir()), ListSwap::Restored);
    EXPECT_EQ(t.readBytes(files::List), original);
    EXPECT_EQ(swapWithPreviousList(t.dir()), ListSwap::NoPrevious);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.LST"});
}

TEST(PreviousListTest, AFailedRenameLeavesBothFilesAsTheyWere) {
    for (int failing = 1; failing <= 3; ++failing) {
        TempDataDir t;
        t.writeRecords(files::List, columns());
        t.writeRecords(files::OldList, {rec(KeepMark, {3, 13, 23, 33, 43, 44})});
        const auto list = t.readBytes(files::List);
        const auto old = t.readBytes(files::OldList);
        failRename(t, failing);
        try {
            swapWithPreviousList(t.dir());
            ADD_FAILURE() << "rename " << failing << " failed silently";
        } catch (const FileError& e) {
            EXPECT_EQ(e.fileName(), "VELMORIX.LST");
        }
        EXPECT_EQ(t.readBytes(files::List), list) << "rename " << failing;
        EXPECT_EQ(t.readBytes(files::OldList), old) << "rename " << failing;
        EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"VELMORIX.LST", "VELMORIX.OLD"}));
    }
}

TEST(PreviousListTest, WhenUndoingFailsTooTheListIsKeptAndNamed) {
    TempDataDir t;
    t.writeRecords(files::List, columns());
    t.writeRecords(files::OldList, {rec(KeepMark, {3, 13, 23, 33, 43, 44})});
    const auto list = t.readBytes(files::List);
    const auto old = t.readBytes(files::OldList);
    failRename(t, 2, true);
    try {
        swapWithPreviousList(t.dir());
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(e.userText().find("VELMORIX.SWP"), std::string::npos) << e.userText();
    }
    EXPECT_EQ(t.readBytes("VELMORIX.SWP"), list);
    EXPECT_EQ(t.readBytes(files::OldList), old);
}

TEST(PreviousListTest, WithoutAPreviousListNothingChanges) {
    TempDataDir t;
    EXPECT_EQ(swapWithPreviousList(t.dir()), ListSwap::NoPrevious);
    t.writeRecords(files::List, columns());
    EXPECT_EQ(swapWithPreviousList(t.dir()), ListSwap::NoPrevious);
    EXPECT_EQ(t.readRecords(files::List), columns());
}
