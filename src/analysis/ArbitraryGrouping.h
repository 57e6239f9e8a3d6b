#pragma once

#include "core/BallMask.h"

#include "core/DataDir.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace velmorix {

class Random;

inline constexpr int GroupCount = 10;

// Group number 1..10 of every ball 0..N (sized for the largest game); 0 = in
// no group.
using GroupMembership = std::array<int16_t, kMaxBalls + 1>;

// The limits of groups 1..10 (group g at index g - 1) as they are used.
struct GroupLimits {
    std::array<int, GroupCount> min{};
    std::array<int, GroupCount> max{};
};

// Brings the typed limits into use: both into 0..6, a maximum below the
// minimum lowers the minimum, and no group may ask for more balls than it has
// (a group of 2 with minimum 4 gets 2..2).
GroupLimits normaliseGroupLimits(const std::array<int64_t, GroupCount>& typedMin,
                                 const std::array<int64_t, GroupCount>& typedMax,
                                 const GroupMembership& groupOf, const Game& game = Game());

// Bit b set for every ball b of the game in group g (1..10).
ColumnMask groupMask(const GroupMembership& groupOf, int group, const Game& game = Game());

// Whether a column meets a grouping: every ball in some group, every group's
// share within its limits, and with `chaos` the grouping window's chaos test
// (the default chaos rules without the one that asks for a ball of a fixed set).
class GroupingTest {
public:
    GroupingTest(const GroupMembership& groupOf, const GroupLimits& limits, bool chaos,
                 const Game& game = Game());

    // A valid column's ball mask.
    bool passesMask(ColumnMask mask) const;
    // Record balls in any order; a column with a ball outside 1..N or a
    // repeated ball fails.
    bool passes(const std::array<int16_t, 6>& balls) const;

    ColumnMask groupedBalls() const { return m_grouped; }

private:
    struct Group {
        ColumnMask mask;
        int min;
        int max;
    };
    Game m_game;
    std::array<Group, GroupCount> m_groups{};
    int m_groupCount = 0; // groups that constrain anything
    ColumnMask m_grouped = 0;
    bool m_chaos = false;
};

// One random column by group priority: lower group numbers get their minimum
// first, then the groups with room gain balls at random. Nothing when the
// limits cannot give six balls.
std::optional<std::array<int16_t, 6>> drawGroupedColumn(const GroupMembership& groupOf,
                                                        const GroupLimits& limits, Random& random,
                                                        const Game& game = Game());

struct GroupingRun {
    int32_t total = 0;   // combinations examined / records read
    int32_t written = 0; // records in the new list
};

// Writes every combination of the grouped balls that passes the test, in
// lexicographic order with Tag 0, as the new VELMORIX.LST (through
// VELMORIX.TMP, so a failure leaves the old list). `progress` gets
// (written, total) at every new first ball and now and then in between.
GroupingRun buildGroupedList(const DataDir& dir, const GroupingTest& test,
                             const std::function<void(int32_t written, int32_t total)>& progress = {});

// Thins VELMORIX.LST by the test: VELMORIX.OLD becomes the list with every
// record marked (Tag KeepMark when it passes, 0 when not), and the list keeps
// the marked records in their order; with none, no list remains.
// `judging` gets (record, passed so far); `writing` gets (written, passed).
struct GroupingFilterProgress {
    std::function<void(int32_t record, int32_t passed)> judging;
    std::function<void(int32_t written, int32_t passed)> writing;
};
GroupingRun filterListByGrouping(const DataDir& dir, const GroupingTest& test,
                                 const GroupingFilterProgress& progress = {});

} // namespace velmorix
