#include "EditorFixture.h"
#include "support/WindowTests.h"

#include <sys/resource.h>

// An editor shown and active, the player typing into its cells while another
// window rewrites its file.
class UnsavedTypingTest : public EditorFixture {
protected:
    FrmYasak6* editor() {
        auto* w = open<FrmYasak6>(WindowId::Yasak6);
        EXPECT_TRUE(activate(w));
        return w;
    }
    static void typeFirstBall(QWidget* w, const char* ball) {
        QLineEdit* first = cell(w, 0);
        first->setFocus();
        first->selectAll();
        QTest::keyClicks(first, QString::fromLatin1(ball));
    }
    static void key(QWidget* w, Qt::Key k) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : w, k);
    }
    int questions() const {
        int n = 0;
        for (const auto& c : dialogs.calls())
            n += c.kind == ScriptedDialogs::Kind::Question ? 1 : 0;
        return n;
    }
};

// Coming back asks once about typing over a changed file; a save after a
// further change asks again.
TEST_F(UnsavedTypingTest, AChangedFileIsAskedAboutOnComingBackAndOnSaving) {
    data.writeRecords(files::Sextets, numbered(2, 1));
    FrmYasak6* w = editor();
    typeFirstBall(w, "9");
    data.writeRecords(files::Sextets, numbered(3, 1)); // another window appends one
    QWidget other;
    EXPECT_TRUE(activate(&other));
    dialogs.answerYes();
    EXPECT_TRUE(activate(w));
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(cellTexts(w), texts({"9", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(data.readRecords(files::Sextets), numbered(3, 1));
    // Nothing changed since: the save goes on without a question.
    key(w, Qt::Key_F2);
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(data.readRecords(files::Sextets)[0], rec(1, {9, 2, 3, 4, 5, 6}));

    typeFirstBall(w, "8");
    data.writeRecords(files::Sextets, numbered(4, 1));
    dialogs.answerYes();
    key(w, Qt::Key_F2);
    EXPECT_EQ(questions(), 2);
    auto expected = numbered(4, 1);
    expected[0] = rec(1, {8, 2, 3, 4, 5, 6});
    EXPECT_EQ(data.readRecords(files::Sextets), expected);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kayıtlandı... Kayıt No= 1"));

    // Declined: the typing goes and the file is shown as it is.
    typeFirstBall(w, "7");
    data.writeRecords(files::Sextets, numbered(5, 1));
    dialogs.answerNo();
    key(w, Qt::Key_F2);
    ASSERT_EQ(questions(), 3);
    EXPECT_EQ(dialogs.calls().back().title, QStringLiteral("VELMORIX 653 Dizimci u4.5"));
    EXPECT_TRUE(dialogs.calls().back().text.startsWith(QStringLiteral("VELMORIX.YSK dosyası")));
    EXPECT_EQ(data.readRecords(files::Sextets), numbered(5, 1));
    EXPECT_EQ(cellTexts(w), texts({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yasak Altılılar... Kolon= 1"));
}

// A save that fails, and a file that cannot be read back afterwards either:
// the player hears about the save.
TEST_F(UnsavedTypingTest, AFailedSaveReportsItsOwnErrorFirst) {
    data.writeRecords(files::Sextets, numbered(2, 1));
    FrmYasak6* w = editor();
    typeFirstBall(w, "9");
    // The sanitizer checks an error's type through a pipe; with no descriptor
    // left it could not, so it meets the type once beforehand.
    (void)FileError("x", "y", 0).userText();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    data.dir().setFaultHook([&saved](FileStep step, const std::string&, int64_t) {
        if (step != FileStep::Rename)
            return 0;
        // No file can be opened from here on, so reading the list back fails too.
        rlimit none = saved;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_NOFILE, &none);
        return ENOSPC;
    });
    key(w, Qt::Key_F2);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    data.dir().setFaultHook({});

    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("yerine konamadı"))) << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains(QString::fromStdString(systemReason(ENOSPC))));
    EXPECT_EQ(data.readRecords(files::Sextets), numbered(2, 1));
    EXPECT_NE(w->windowTitle(), QStringLiteral("Kayıtlandı... Kayıt No= 1"));
}
