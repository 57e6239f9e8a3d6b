#include "support/ModuleTests.h"

using Bytes = std::vector<unsigned char>;

void replaceList(TempDataDir& t, std::initializer_list<ColumnRecord> records) {
    writeAllRecords(t.dir(), files::List, records, files::Temp);
}

class ListUndoTest : public ::testing::Test {
protected:
    TempDataDir t;
    Bytes list() { return t.dir().exists(files::List) ? t.readBytes(files::List) : Bytes{}; }
};

TEST_F(ListUndoTest, UndoTakesBackExactlyTheLastChangeAndASecondUndoRedoesIt) {
    EXPECT_EQ(undoLastListChange(t.dir()).outcome, UndoOutcome::Nothing);
    t.writeRecords(files::List, {rec(1, {1, 2, 3, 4, 5, 6}), rec(1, {7, 8, 9, 10, 11, 12})});
    t.writeRecords(files::OldList, {rec(1, {20, 21, 22, 23, 24, 25})}); // unrelated older list
    const Bytes oldBytes = t.readBytes(files::OldList);
    const Bytes first = list();
    {
        const ListUndoPoint point(t.dir(), "Eleme");
#ifndef _WIN32 // the Windows C++ library counts no links
        // The kept list shares the file with the list: nothing is copied.
        EXPECT_EQ(std::filesystem::hard_link_count(t.path() / files::List), 2u);
#endif
        replaceList(t, {rec(1, {1, 2, 3, 4, 5, 6})});
    }
    const Bytes second = list();
    {
        const ListUndoPoint declined(t.dir(), "Hiçbir şey"); // nothing changes: the step above stays
    }

    const UndoResult undone = undoLastListChange(t.dir());
    EXPECT_EQ(undone.outcome, UndoOutcome::Undone);
    EXPECT_EQ(undone.name, "Eleme");
    EXPECT_EQ(list(), first);
    EXPECT_EQ(t.readBytes(files::OldList), oldBytes);
    EXPECT_EQ(
        undoMessage(undone, 2),
        "Son işlem geri alındı: Eleme\r(Tekrar CTRL+Z ile yeniden yapılır.)\r\rKombinasyon Listesi: 2 kolon");

    EXPECT_EQ(undoLastListChange(t.dir()).outcome, UndoOutcome::Redone);
    EXPECT_EQ(list(), second);
    EXPECT_EQ(undoMessage({}, 1), "Geri alınacak işlem yok !");
}

TEST_F(ListUndoTest, ADeletedListComesBackAndAListMadeFromNothingGoes) {
    {
        const ListUndoPoint point(t.dir(), "Yeni liste yapma");
        replaceList(t, {rec(1, {1, 2, 3, 4, 5, 6})});
    }
    const Bytes built = list();
    {
        const ListUndoPoint point(t.dir(), ListDeletionName);
        t.dir().remove(files::List);
    }
    EXPECT_EQ(undoLastListChange(t.dir()).name, ListDeletionName);
    EXPECT_EQ(list(), built);
    EXPECT_EQ(undoLastListChange(t.dir()).outcome, UndoOutcome::Redone);
    EXPECT_FALSE(t.dir().exists(files::List));

    TempDataDir fresh;
    {
        const ListUndoPoint point(fresh.dir(), "Yeni liste yapma");
        writeAllRecords(fresh.dir(), files::List, {rec(1, {1, 2, 3, 4, 5, 6})}, files::Temp);
    }
    EXPECT_EQ(undoLastListChange(fresh.dir()).outcome, UndoOutcome::Undone);
    EXPECT_FALSE(fresh.dir().exists(files::List));
}

TEST_F(ListUndoTest, WithoutLinksTheListIsCopied) {
    t.writeRecords(files::List, {rec(1, {1, 2, 3, 4, 5, 6})});
    const Bytes first = list();
    t.dir().setFaultHook([](FileStep step, const std::string& name, int64_t) {
        return step == FileStep::Create && name == files::UndoPending ? EPERM : 0;
    });
    { const ListUndoPoint unchanged(t.dir(), "Hiçbir şey"); }
    EXPECT_EQ(undoLastListChange(t.dir()).outcome, UndoOutcome::Nothing);
    {
        const ListUndoPoint point(t.dir(), "Kolon silme");
#ifndef _WIN32
        EXPECT_EQ(std::filesystem::hard_link_count(t.path() / files::List), 1u);
#endif
        replaceList(t, {rec(1, {9, 10, 11, 12, 13, 14})});
    }
    EXPECT_EQ(undoLastListChange(t.dir()).name, "Kolon silme");
    EXPECT_EQ(list(), first);
}

TEST_F(ListUndoTest, AFailedUndoLeavesBothFilesAndNamesTheList) {
    t.writeRecords(files::List, {rec(1, {1, 2, 3, 4, 5, 6})});
    {
        const ListUndoPoint point(t.dir(), "Eleme");
        replaceList(t, {rec(1, {9, 10, 11, 12, 13, 14})});
    }
    const Bytes now = list();
    const Bytes kept = t.readBytes(files::UndoList);
    // The first and the second rename of the swap, and the record written after a complete swap.
    for (const std::string& refused :
         {std::string(files::List), std::string(files::UndoList), std::string("VELMORIX.UNN.new")}) {
        t.dir().setFaultHook([refused](FileStep step, const std::string& name, int64_t) {
            return step == FileStep::Rename && name == refused ? EACCES : 0;
        });
        try {
            undoLastListChange(t.dir());
            ADD_FAILURE() << refused;
        } catch (const FileError& e) {
            EXPECT_EQ(e.fileName(), refused == "VELMORIX.UNN.new" ? files::UndoName : files::List);
        }
        EXPECT_EQ(list(), now);
        EXPECT_EQ(t.readBytes(files::UndoList), kept);
        EXPECT_FALSE(t.dir().exists(files::UndoSwap));
    }
    t.dir().setFaultHook([](FileStep, const std::string&, int64_t) { return 0; });
    EXPECT_EQ(undoLastListChange(t.dir()).outcome, UndoOutcome::Undone);
}
