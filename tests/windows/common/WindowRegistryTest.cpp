#include "ProbeWindow.h"

#include "support/WindowTests.h"

class WindowRegistryTest : public WindowTest {
protected:
    WindowRegistryTest() {
        for (WindowId id : {WindowId::Balls, WindowId::Banko, WindowId::Rep})
            registry.registerWindow(id, [this](AppContext& c) { return new ProbeWindow(c, &loads); });
    }
    int loads = 0;
};

TEST_F(WindowRegistryTest, OneWindowPerIdUntilItIsClosed) {
    QWidget* first = registry.open(WindowId::Balls);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(registry.open(WindowId::Balls), first);
    EXPECT_EQ(registry.get(WindowId::Balls), first);
    EXPECT_EQ(loads, 1);

    // Closing ends the window; opening it again builds and loads it anew.
    const QPointer<QWidget> old(first);
    first->close();
    EXPECT_FALSE(isOpen(WindowId::Balls));
    EXPECT_TRUE(old.isNull());
    QWidget* second = registry.open(WindowId::Balls);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(registry.find(WindowId::Balls), second);
    // A window nobody registered opens as nothing.
    WindowRegistry empty;
    empty.setContext(&context);
    EXPECT_EQ(empty.open(WindowId::Balls), nullptr);
    EXPECT_FALSE(empty.isRegistered(WindowId::Balls));
}

TEST_F(WindowRegistryTest, DestroyAllEndsEveryWindowAndCloseAllKeepsOne) {
    std::vector<QPointer<QWidget>> windows;
    for (WindowId id : {WindowId::Balls, WindowId::Banko, WindowId::Rep})
        windows.emplace_back(registry.open(id));
    registry.closeAllExcept(WindowId::Rep);
    EXPECT_FALSE(isOpen(WindowId::Balls));
    EXPECT_FALSE(isOpen(WindowId::Banko));
    EXPECT_TRUE(isOpen(WindowId::Rep));

    registry.open(WindowId::Balls);
    registry.destroyAll();
    for (WindowId id : {WindowId::Balls, WindowId::Banko, WindowId::Rep})
        EXPECT_EQ(registry.find(id), nullptr);
    EXPECT_TRUE(windows[2].isNull());
    // Opening after that builds afresh.
    ASSERT_NE(registry.open(WindowId::Rep), nullptr);
    EXPECT_EQ(loads, 5);
}
