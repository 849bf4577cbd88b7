// Tests of the settings page rules: list order and rows, add/modify/delete, skin choice, placement.
#include "core/sheet/PageRules.h"

#include <memory>
#include <tuple>

#include <array>

#include <gtest/gtest.h>

#include "core/files/Gbk.h"
#include "core/reminders/ReminderMap.h"
#include "core/reminders/ReminderRecord.h"

namespace {

std::string Gbk(const std::string &text)
{
    return core::Utf8ToGbk(text).value();
}

void PutRecord(ReminderMap &map, int year, int month, int day, int hour, int minute, int second,
               int enabled, const std::string &message, int kind = ReminderRecord::KindDaily)
{
    auto record = std::make_unique<ReminderRecord>();
    record->Set(year, month, day, hour, minute, second, enabled, message, kind, 0);
    map.Insert(std::move(record));
}

using Strings = std::vector<std::string>;

Strings Times(const ReminderMap &map)
{
    Strings times;
    for (const ReminderRow &row : ReminderRows(map))
        times.push_back(row.strTime);
    return times;
}

} // namespace

TEST(PageRulesTest, RowsFollowTheTimeOfDay)
{
    ReminderMap map;
    EXPECT_TRUE(ReminderRows(map).empty());

    ASSERT_EQ(AddReminder(map, 12, 0, 0, true, Gbk("午饭")), AddResult::Added);
    ASSERT_EQ(AddReminder(map, 8, 30, 0, false, ""), AddResult::Added);
    ASSERT_EQ(AddReminder(map, 8, 5, 10, true, "50%"), AddResult::Added);
    ASSERT_EQ(AddReminder(map, 8, 5, 9, true, "b"), AddResult::Added);
    const std::vector<ReminderRow> rows = ReminderRows(map);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].strEnabled + rows[1].strTime + rows[1].strMessage, std::string("是08:05:1050%"));
    EXPECT_EQ(rows[2].strEnabled + rows[2].strTime + rows[2].strMessage, std::string("否08:30:00"));
    EXPECT_EQ(rows[3].strMessage, "午饭");

    // A record from the file dated otherwise shows its time of day only.
    PutRecord(map, 2008, 3, 14, 7, 5, 0, 1, "x", ReminderRecord::KindToday);
    EXPECT_EQ(Times(map), (Strings{"07:05:00", "08:05:09", "08:05:10",
                                       "08:30:00", "12:00:00"}));

    ReminderRecord early;
    ReminderRecord late;
    early.Set(1971, 1, 1, 9, 59, 59, 1, "", ReminderRecord::KindDaily, 0);
    late.Set(1971, 1, 1, 10, 0, 0, 1, "", ReminderRecord::KindDaily, 0);
    EXPECT_TRUE(CompareByTime(early, late));
    EXPECT_FALSE(CompareByTime(late, early));
    EXPECT_FALSE(CompareByTime(early, early));
}

TEST(PageRulesTest, AddRefusesATimeThatIsTaken)
{
    ReminderMap map;
    ASSERT_EQ(AddReminder(map, 7, 5, 0, true, "up"), AddResult::Added);
    const ReminderRecord *record = map.Lookup("1971:01:01:07:05:00");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(std::tie(record->kind, record->year, record->month, record->day, record->enabled, record->message),
              std::tuple(ReminderRecord::KindDaily, 1971, 1, 1, 1, "up"));

    EXPECT_EQ(AddReminder(map, 7, 5, 0, false, "other"), AddResult::Duplicate);
    EXPECT_EQ(map.Size(), 1u);
    EXPECT_EQ(map.Lookup("1971:01:01:07:05:00"), record);
    EXPECT_EQ(record->enabled, 1);
    EXPECT_EQ(record->message, "up");

    ASSERT_EQ(AddReminder(map, 0, 0, 0, false, ""), AddResult::Added);
    EXPECT_EQ(map.Lookup("1971:01:01:00:00:00")->enabled, 0);
}

TEST(PageRulesTest, ModifyAndDeleteWorkOnTheRowsTime)
{
    ReminderMap map;
    AddReminder(map, 7, 0, 0, true, "seven");
    AddReminder(map, 8, 0, 0, true, "eight");
    AddReminder(map, 9, 0, 0, false, "nine");

    // In place: same time, new flag and message, as a fresh unarmed record.
    map.Lookup("1971:01:01:09:00:00")->armed = true;
    ModifyReminder(map, "09:00:00", 9, 0, 0, true, "NINE");
    const ReminderRecord *nine = map.Lookup("1971:01:01:09:00:00");
    ASSERT_NE(nine, nullptr);
    EXPECT_EQ(nine->enabled, 1);
    EXPECT_EQ(nine->message, "NINE");
    EXPECT_FALSE(nine->armed);
    EXPECT_EQ(map.Size(), 3u);

    // Onto another row's time: both old rows go, one record with the editor's values stays.
    ModifyReminder(map, "07:00:00", 8, 0, 0, false, "merged");
    EXPECT_EQ(Times(map), (Strings{"08:00:00", "09:00:00"}));
    EXPECT_EQ(map.Lookup("1971:01:01:08:00:00")->message, "merged");
    EXPECT_EQ(map.Lookup("1971:01:01:08:00:00")->enabled, 0);

    // To a free time.
    ModifyReminder(map, "08:00:00", 23, 59, 59, true, "late");
    EXPECT_EQ(Times(map), (Strings{"09:00:00", "23:59:59"}));

    EXPECT_TRUE(DeleteReminder(map, "09:00:00"));
    EXPECT_FALSE(DeleteReminder(map, "09:00:00"));
    EXPECT_EQ(Times(map), Strings{"23:59:59"});

    // A record dated other than 1971-01-01 is not found under its row's time.
    PutRecord(map, 2008, 3, 14, 6, 30, 0, 1, "dated", ReminderRecord::KindToday);
    EXPECT_FALSE(DeleteReminder(map, "06:30:00"));
    EXPECT_NE(map.Lookup("2008:03:14:06:30:00"), nullptr);
    ModifyReminder(map, "06:30:00", 6, 30, 0, true, "copy");
    EXPECT_NE(map.Lookup("2008:03:14:06:30:00"), nullptr);
    EXPECT_EQ(map.Lookup("1971:01:01:06:30:00")->message, "copy");
    EXPECT_EQ(map.Size(), 3u);

    EXPECT_EQ(KeyOfRowTime("07:05:00"), "1971:01:01:07:05:00");
}

TEST(PageRulesTest, SkinChoiceCountsAcceptedChanges)
{
    const Strings names = {"Classic", "sea",
                               "Night", "SEA"};
    EXPECT_EQ(PreselectIndex(names, "classic"), 0);
    EXPECT_EQ(PreselectIndex(names, "Sea"), 3);
    EXPECT_EQ(PreselectIndex(names, "Forest"), -1);
    EXPECT_EQ(PreselectIndex(names, ""), -1);
    EXPECT_EQ(PreselectIndex({}, "Sea"), -1);
    EXPECT_EQ(PreselectIndex({"Äpfel"}, "äPFEL"), 0);
    EXPECT_EQ(PreselectIndex({"Часы"}, "чАСЫ"), 0);

    SkinChoice choice(1, -1);
    choice.OnSelect(1, -1);
    EXPECT_FALSE(choice.IsChanged());
    EXPECT_FALSE(choice.Apply(1, -1));

    // Going back to the loaded pair after a change still counts as a change.
    choice.OnSelect(2, -1);
    choice.OnSelect(1, -1);
    EXPECT_TRUE(choice.IsChanged());
    EXPECT_TRUE(choice.Apply(1, -1));
    EXPECT_FALSE(choice.IsChanged());
    EXPECT_FALSE(choice.Apply(1, -1));

    // Only the digit list changed.
    choice.OnSelect(1, 0);
    EXPECT_TRUE(choice.Apply(1, 0));
    EXPECT_EQ(choice.Background(), 1);
    EXPECT_EQ(choice.ClockStyle(), 0);

    // The applied pair is the new baseline.
    choice.OnSelect(1, 0);
    EXPECT_FALSE(choice.IsChanged());
    choice.OnSelect(3, 0);
    EXPECT_TRUE(choice.Apply(3, 0));
    EXPECT_EQ(choice.Background(), 3);
}

TEST(PageRulesTest, SheetStaysInsideTheRightAndBottomEdges)
{
    using core::Point, core::Rect;
    const Rect screen{0, 0, 1024, 768};
    const core::Size sheet{300, 200};
    EXPECT_EQ(PlaceSheet({120, 40}, sheet, screen), (Point{120, 140}));
    // Right edge: reaching it exactly counts as reaching it and lands on the same place.
    EXPECT_EQ(PlaceSheet({724, 40}, sheet, screen), (Point{724, 140}));
    EXPECT_EQ(PlaceSheet({723, 40}, sheet, screen), (Point{723, 140}));
    EXPECT_EQ(PlaceSheet({900, 40}, sheet, screen), (Point{724, 140}));
    // Bottom edge: a bottom exactly at the edge stays; past it the sheet is pulled up.
    EXPECT_EQ(PlaceSheet({10, 468}, sheet, screen), (Point{10, 568}));
    EXPECT_EQ(PlaceSheet({10, 469}, sheet, screen), (Point{10, 568}));
    EXPECT_EQ(PlaceSheet({10, 700}, sheet, screen), (Point{10, 568}));
    EXPECT_EQ(PlaceSheet({2000, 2000}, sheet, screen), (Point{724, 568}));
    // No correction towards the left or the top.
    EXPECT_EQ(PlaceSheet({-50, -300}, sheet, screen), (Point{-50, -200}));
    // A screen area that does not start at the origin ends at its own right and bottom.
    EXPECT_EQ(PlaceSheet({900, 700}, sheet, Rect{0, 30, 1024, 738}), (Point{724, 568}));
    EXPECT_EQ(PlaceSheet({900, 100}, sheet, Rect{100, 0, 900, 768}), (Point{700, 200}));
}

TEST(PageRulesTest, DialogUnitsScaleWithTheFont)
{
    EXPECT_EQ(DialogUnitsToPixels(core::Rect{0, 0, 215, 95}, core::Size{6, 12}), (core::Rect{0, 0, 323, 143}));
    EXPECT_EQ(DialogUnitsToPixels(core::Rect{0, 0, 215, 95}, core::Size{7, 14}), (core::Rect{0, 0, 376, 166}));
    EXPECT_EQ(DialogUnitsToPixels(core::Rect{76, 13, 88, 72}, core::Size{8, 16}), (core::Rect{152, 26, 176, 144}));
    EXPECT_EQ(DialogUnitsToPixels(core::Rect{-4, -8, 2, 4}, core::Size{8, 16}), (core::Rect{-8, -16, 4, 8}));
}

TEST(PageRulesTest, ReminderColumnsFitTheirTextsAndFillTheRow)
{
    // Row width, flag and time texts' widths: the message takes the rest, none when nothing is left.
    for (const auto &row : {std::array{300, 40, 70, 190}, {230, 40, 70, 120}, {110, 40, 70, 0}, {90, 40, 70, 0}}) {
        const ReminderColumns c = ReminderColumnWidths(row[0], row[1], row[2]);
        EXPECT_EQ((std::array{row[0], c.nEnabled, c.nTime, c.nMessage}), row);
    }
}
