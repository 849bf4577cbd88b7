// The alarm's repeat and stop rule, the snooze queue over simulated seconds, the tooltip text.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>

#include "core/alert/AlarmRule.h"
#include "core/alert/SnoozeQueue.h"
#include "core/alert/TrayTip.h"
#include "core/files/Gbk.h"

namespace {

using Action = alert::AlarmRule::Action;
enum Op { Open, Quiet, Tick };
struct Step {
    Op op;
    char popup;
    std::int64_t ms;
    Action expected;
};

TEST(AlarmRule, PlaysOnceForAllPopupsRepeatsAndStops)
{
    // Ticked at the clock's check rate (every 250 ms) for 20 s: the sound starts again only once
    // each repeat period.
    std::vector<Step> checked{{Open, 'A', 0, Action::Play}};
    for (std::int64_t ms = 250; ms <= 20000; ms += 250)
        checked.push_back({Tick, 0, ms, ms % alert::AlarmRule::RepeatMs == 0 ? Action::Play : Action::None});
    std::map<std::string, std::vector<Step>> runs{{"ticked at the check rate", checked},
        {"two popups, click one, then the other",
         {{Open, 'A', 0, Action::Play}, {Open, 'B', 1000, Action::None}, {Tick, 0, 6499, Action::None},
          {Tick, 0, 6500, Action::Play}, {Quiet, 'A', 7000, Action::None}, {Quiet, 'A', 7100, Action::None},
          {Tick, 0, 13000, Action::Play}, {Quiet, 'B', 13500, Action::Stop}, {Tick, 0, 20000, Action::None}}},
        {"two minutes after the latest popup, then a new one",
         {{Open, 'A', 0, Action::Play}, {Open, 'B', 60000, Action::None}, {Tick, 0, 179999, Action::Play},
          {Tick, 0, 180000, Action::Stop}, {Tick, 0, 190000, Action::None}, {Quiet, 'A', 191000, Action::None},
          {Open, 'C', 200000, Action::Play}, {Quiet, 'B', 201000, Action::None}, {Quiet, 'C', 202000, Action::Stop}}},
    };
    static const char ids[3] = {};
    for (const auto &[name, steps] : runs) {
        alert::AlarmRule rule;
        for (const Step &s : steps) {
            const void *popup = s.popup ? &ids[s.popup - 'A'] : nullptr;
            const Action got = s.op == Open ? rule.Opened(popup, s.ms) : s.op == Quiet ? rule.Quieted(popup) : rule.Tick(s.ms);
            EXPECT_EQ(got, s.expected) << name << " at " << s.ms << " ms";
        }
    }
}

TEST(SnoozeQueue, FiresEachAtItsSecondAndExitDropsThem)
{
    // (second of the choice, delay in minutes, message)
    const std::vector<std::tuple<int, int, std::string>> chosen{{0, 5, "a"}, {10, 10, "b"}, {20, 5, "c"}, {20, 5, "d"}};
    alert::SnoozeQueue queue;
    std::vector<std::pair<int, std::string>> fired;
    for (int second = 0; second <= 2000; ++second) {
        for (const auto &[at, minutes, message] : chosen)
            if (at == second)
                queue.Add(message, 1000000 + at + minutes * 60);
        for (const std::string &message : queue.TakeDue(1000000 + second))
            fired.emplace_back(second, message);
    }
    EXPECT_EQ(fired, (std::vector<std::pair<int, std::string>>{{300, "a"}, {320, "c"}, {320, "d"}, {610, "b"}}));

    queue.Add("e", 50);
    queue.Clear();
    EXPECT_EQ(queue.Next(), nullptr);
    EXPECT_TRUE(queue.TakeDue(1000).empty());
}

std::string Gbk(const char *text)
{
    return core::Utf8ToGbk(text).value();
}

TEST(SnoozeText, CarriesEveryByteAndRefusesBadText)
{
    // A snooze's text read back gives the same snooze: every byte value, an empty message, the
    // longest message, the widest moments.
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const std::vector<alert::Snooze> kept{
        {1767251460, Gbk("该起床了")}, {0, ""}, {1767251460, "a b\n:\x7f"}, {INT64_MAX, everyByte.substr(1)},
        {1, std::string(alert::MaxSnoozeMessageBytes, '\xff')}};
    for (const alert::Snooze &snooze : kept) {
        const std::string text = alert::SnoozeToText(snooze);
        EXPECT_EQ(text.find_first_not_of("0123456789abcdef:"), std::string::npos) << text;
        const auto back = alert::SnoozeFromText(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(back->due, snooze.due) << text;
        EXPECT_EQ(back->message, snooze.message) << text;
    }
    EXPECT_EQ(alert::SnoozeFromText("1767251460:e8afa5")->message, "\xe8\xaf\xa5");

    const std::vector<std::string> refused{"", ":", "1767251460", ":e8af", "1767251460e8af", "+1:e8", "-1:e8",
        "1 :e8", "0x10:e8", "1.5:e8", "9223372036854775808:e8", "99999999999999999999:", "1:e", "1:E8",
        "1:g0", "1:e8:", "1:e8 ", "1::e8", std::string("1:e8\0", 5), "1:" + std::string(2 * alert::MaxSnoozeMessageBytes + 2, 'a')};
    for (const std::string &text : refused)
        EXPECT_FALSE(alert::SnoozeFromText(text).has_value()) << text;
}

TEST(TrayTip, NamesTheNextReminderAcrossMidnight)
{
    struct Row {
        const char *now; // local (UTC) "yyyy-MM-dd hh:mm:ss"
        std::vector<std::tuple<int, int, int, int, int>> reminders; // hour, minute, second, enabled, kind
        std::vector<std::pair<platform::Moment, const char *>> snoozes; // seconds after now, message
        const char *expected;
    };
    const std::vector<Row> rows{
        {"2026-12-07 06:00:00", {}, {}, "12月7日 星期一 · 没有提醒"},
        {"2026-12-07 06:00:00", {{7, 5, 0, 1, 1}}, {}, "12月7日 星期一 · 下一个提醒 07:05:00 该起床了"},
        {"2026-12-07 07:05:00", {{7, 5, 0, 1, 1}}, {}, "12月7日 星期一 · 下一个提醒 明天 07:05:00 该起床了"},
        {"2026-12-31 23:59:59", {{0, 0, 0, 1, 1}, {7, 5, 0, 1, 1}}, {},
         "12月31日 星期四 · 下一个提醒 明天 00:00:00 该起床了"},
        {"2027-01-01 00:00:00", {{0, 0, 0, 1, 1}, {7, 5, 0, 1, 1}}, {}, "1月1日 星期五 · 下一个提醒 07:05:00 该起床了"},
        {"2026-12-07 06:00:00", {{7, 5, 0, 0, 1}, {8, 0, 0, 1, 0}, {5, 0, 0, 1, 0}, {6, 30, 0, 1, 7}}, {},
         "12月7日 星期一 · 下一个提醒 08:00:00 该起床了"},
        {"2026-12-07 23:58:00", {{7, 5, 0, 1, 1}}, {{120, "再说"}}, "12月7日 星期一 · 下一个提醒 明天 00:00:00 再说"},
        {"2026-12-07 23:58:00", {{23, 59, 0, 1, 1}}, {{120, "再说"}}, "12月7日 星期一 · 下一个提醒 23:59:00 该起床了"},
        // Of two snoozes the earlier is named, whichever was put off first.
        {"2026-12-07 06:00:00", {}, {{600, "晚的"}, {300, "早的"}}, "12月7日 星期一 · 下一个提醒 06:05:00 早的"},
        // A snooze two days ahead (the clock left running) reads its date, not "明天".
        {"2026-12-30 23:00:00", {}, {{2 * 86400, "再说"}}, "12月30日 星期三 · 下一个提醒 1月1日 23:00:00 再说"},
    };
    for (const Row &row : rows) {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
        ASSERT_EQ(std::sscanf(row.now, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second), 6);
        const platform::Moment now = platform::FromLocal(year, month, day, hour, minute, second);
        ReminderMap map;
        int n = 0;
        for (const auto &[hour, minute, second, enabled, kind] : row.reminders) {
            auto record = std::make_unique<ReminderRecord>();
            record->Set(1971 + n++, 1, 1, hour, minute, second, enabled, Gbk("该起床了"), kind, now);
            map.Insert(std::move(record));
        }
        alert::SnoozeQueue snoozes;
        for (const auto &[after, message] : row.snoozes)
            snoozes.Add(Gbk(message), now + after);
        platform::Moment changesAt = 0;
        const std::string text = alert::TrayTipText(map, now, snoozes, &changesAt);
        EXPECT_EQ(text, row.expected) << row.now;
        // The text reads the same up to the moment given, and differently from it on.
        ASSERT_GT(changesAt, now) << row.now;
        for (platform::Moment at = now + 1; at < changesAt; at = at + 61 < changesAt - 1 ? at + 61 : at + 1)
            ASSERT_EQ(alert::TrayTipText(map, at, snoozes), text) << row.now << " +" << at - now;
        EXPECT_NE(alert::TrayTipText(map, changesAt, snoozes), text) << row.now;
    }
}

} // namespace
