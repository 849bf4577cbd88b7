// Tests of the arm-and-fire check over simulated seconds of the clock.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/reminders/tests/TestSupport.h"
#include "core/reminders/ReminderCheck.h"

namespace {

struct Fired {
    platform::Moment at;
    std::string message;
    bool operator==(const Fired &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Fired &fired)
{
    return out << "'" << fired.message << "' at " << fired.at;
}

// Runs the check once for every second from `from` to `to` inclusive, as the clock's tick does,
// leaving out the seconds in `missed`.
std::vector<Fired> RunSeconds(ReminderMap &map, platform::Moment from, platform::Moment to,
                              const std::set<platform::Moment> &missed = {})
{
    std::vector<Fired> fired;
    for (platform::Moment now = from; now <= to; ++now) {
        if (missed.count(now))
            continue;
        const platform::LocalFields local = platform::ToLocal(now);
        CheckReminders(map, local.hour, local.minute, local.second, now,
                       [&](const std::string &message) { fired.push_back({now, message}); });
    }
    return fired;
}

class ReminderCheck : public ::testing::Test
{
protected:
    // 2026-05-12, a Tuesday, in UTC.
    static platform::Moment At(int hour, int minute, int second, int dayOffset = 0)
    {
        return UtcMoment(2026, 5, 12, hour, minute, second) + dayOffset * 86400;
    }

    ScopedTimeZone m_utc{"UTC0"};
    ReminderMap m_map;
};

} // namespace

TEST_F(ReminderCheck, ArmsEightSecondsBeforeFiresOnTimeAndOnlyOnce)
{
    ReminderRecord *record = Add(m_map, 7, 5, 0, "tea");
    for (platform::Moment now = At(7, 4, 40); now <= At(7, 5, 30); ++now) {
        const platform::LocalFields local = platform::ToLocal(now);
        const int fired = CheckReminders(m_map, local.hour, local.minute, local.second, now, nullptr);
        const bool shouldArm = now >= At(7, 4, 52) && now < At(7, 5, 0);
        ASSERT_EQ(record->armed, shouldArm) << "at " << now - At(7, 5, 0) << " s";
        ASSERT_EQ(fired, now == At(7, 5, 0) ? 1 : 0) << "at " << now - At(7, 5, 0) << " s";
    }
    EXPECT_EQ(RunSeconds(m_map, At(7, 5, 31), At(7, 4, 59, 1)), std::vector<Fired>{})
        << "nothing until the next day";
    EXPECT_EQ(RunSeconds(m_map, At(7, 5, 0, 1), At(7, 5, 0, 1)), (std::vector<Fired>{{At(7, 5, 0, 1), "tea"}}));
}

TEST_F(ReminderCheck, MissedSecondsAroundTheDueTime)
{
    Add(m_map, 7, 5, 0, "late tick");
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 45), At(7, 5, 10), {At(7, 5, 0), At(7, 5, 1)}),
              (std::vector<Fired>{{At(7, 5, 2), "late tick"}}));

    // Only the last arming second seen: still fires.
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 45, 1), At(7, 5, 10, 1), {At(7, 4, 52, 1), At(7, 4, 53, 1), At(7, 4, 54, 1)}),
              (std::vector<Fired>{{At(7, 5, 0, 1), "late tick"}}));

    // Every arming second missed (the machine slept): not that day.
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 45, 2), At(7, 5, 10, 2),
                         {At(7, 4, 52, 2), At(7, 4, 53, 2), At(7, 4, 54, 2), At(7, 4, 55, 2)}),
              std::vector<Fired>{});
}

TEST_F(ReminderCheck, AddedInsideTheArmingWindowWaitsForTheNextDay)
{
    Add(m_map, 7, 5, 0, "daily");
    Add(m_map, 7, 5, 0, "today", ReminderRecord::KindToday, At(7, 4, 56), 1, 2026);
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 56), At(7, 5, 10)), std::vector<Fired>{}) << "four seconds is too late";
    EXPECT_EQ(RunSeconds(m_map, At(7, 5, 11), At(7, 5, 10, 1)), (std::vector<Fired>{{At(7, 5, 0, 1), "daily"}}));
}

TEST_F(ReminderCheck, OnlyEnabledRecordsOfKnownKindsFireAndTodayOnlyOnItsDay)
{
    ReminderRecord *disabled = Add(m_map, 7, 5, 0, "disabled", ReminderRecord::KindDaily, 0, 0);
    Add(m_map, 7, 5, 0, "passed", ReminderRecord::KindToday, At(9, 0, 0), 1, 2026);
    Add(m_map, 13, 30, 0, "meeting", ReminderRecord::KindToday, At(9, 0, 0), 1, 1999);
    Add(m_map, 7, 5, 0, "kind 2", 2, 0, 1, 2027)->dueTime = At(7, 5, 0, 1);
    EXPECT_EQ(RunSeconds(m_map, At(9, 0, 0), At(9, 0, 0, 2)), (std::vector<Fired>{{At(13, 30, 0), "meeting"}}));
    EXPECT_FALSE(disabled->armed);

    // A disabled record keeps an arming state it already had.
    disabled->armed = true;
    RunSeconds(m_map, At(7, 5, 0, 3), At(7, 5, 0, 3));
    EXPECT_TRUE(disabled->armed);
}

TEST_F(ReminderCheck, RemindersDueInOneSecondFireInTraversalOrder)
{
    for (int year = 1971; year < 1990; ++year)
        Add(m_map, 7, 5, 0, FormatTimeKey(year, 1, 1, 7, 5, 0), ReminderRecord::KindDaily, 0, 1, year);
    std::vector<Fired> expected;
    for (const std::string &key : m_map.Keys())
        expected.push_back({At(7, 5, 0), key});
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 50), At(7, 5, 5)), expected);
}

TEST_F(ReminderCheck, PopupMayChangeTheMapAndGetsItsOwnCopy)
{
    Add(m_map, 7, 5, 0, "first", ReminderRecord::KindDaily, 0, 1, 1971);
    Add(m_map, 7, 5, 0, "second", ReminderRecord::KindDaily, 0, 1, 1972);
    const std::vector<std::string> order = m_map.Keys();
    std::vector<std::string> shown;
    for (platform::Moment now = At(7, 4, 52); now <= At(7, 5, 0); ++now) {
        const platform::LocalFields local = platform::ToLocal(now);
        CheckReminders(m_map, local.hour, local.minute, local.second, now, [&](const std::string &message) {
            m_map.DeleteAllReminders();
            shown.push_back(message);
        });
    }
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(FormatTimeKey(shown[0] == "first" ? 1971 : 1972, 1, 1, 7, 5, 0), order[0]);
    EXPECT_NE(shown[0], shown[1]);
}

TEST_F(ReminderCheck, ClockSetForwardOrBack)
{
    Add(m_map, 7, 5, 0, "tea");
    // Forward past an armed reminder: fires at the next check.
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 50), At(7, 4, 53)), std::vector<Fired>{});
    EXPECT_EQ(RunSeconds(m_map, At(7, 30, 0), At(7, 30, 5)), (std::vector<Fired>{{At(7, 30, 0), "tea"}}));

    // Back after arming: stays armed and fires when the time comes again.
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 50, 1), At(7, 4, 53, 1)), std::vector<Fired>{});
    EXPECT_EQ(RunSeconds(m_map, At(6, 0, 0, 1), At(6, 0, 10, 1)), std::vector<Fired>{});
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 58, 1), At(7, 5, 10, 1), {At(7, 4, 58, 1), At(7, 4, 59, 1)}),
              (std::vector<Fired>{{At(7, 5, 0, 1), "tea"}}));

    // Back before arming: arming simply comes later.
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 40, 2), At(7, 4, 50, 2)), std::vector<Fired>{});
    EXPECT_EQ(RunSeconds(m_map, At(7, 0, 0, 2), At(7, 6, 0, 2)), (std::vector<Fired>{{At(7, 5, 0, 2), "tea"}}));
}

TEST_F(ReminderCheck, LongSleepAndHoursPastTheDayUseThePlainDifference)
{
    Add(m_map, 7, 5, 0, "tea");
    // Armed, then twelve hours asleep: it fires on waking.
    EXPECT_EQ(RunSeconds(m_map, At(7, 4, 50), At(7, 4, 55)), std::vector<Fired>{});
    EXPECT_EQ(RunSeconds(m_map, At(19, 10, 0), At(19, 10, 5)), (std::vector<Fired>{{At(19, 10, 0), "tea"}}));

    // Hours a hand-edited file may hold beyond 23 are never due.
    ReminderMap past;
    Add(past, 24, 0, 0, "24");
    Add(past, 31, 0, 0, "31");
    EXPECT_EQ(RunSeconds(past, At(23, 0, 0), At(8, 0, 0, 1)), std::vector<Fired>{});
}

TEST_F(ReminderCheck, EveryTimeOfDayFiresOnceADayAcrossMidnightAndNoon)
{
    const int times[][3] = {{0, 0, 0}, {0, 0, 2}, {0, 0, 4}, {0, 0, 5}, {0, 0, 8}, {23, 59, 59},
                            {23, 59, 52}, {11, 59, 59}, {12, 0, 0}, {12, 0, 4}, {12, 0, 8}};
    std::map<std::string, platform::Moment> due;
    for (const auto &t : times) {
        const std::string message = FormatTimeKey(1971, 1, 1, t[0], t[1], t[2]);
        Add(m_map, t[0], t[1], t[2], message);
        due[message] = At(t[0], t[1], t[2], t[0] >= 20 ? 0 : 1);
    }
    // From 20:00 on day 0 to 20:00 on day 1: each time of day exactly once.
    const std::vector<Fired> fired = RunSeconds(m_map, At(20, 0, 0), At(20, 0, 0, 1));
    ASSERT_EQ(fired.size(), std::size(times));
    for (const Fired &f : fired)
        EXPECT_EQ(f.at, due.at(f.message)) << f.message;
}

TEST_F(ReminderCheck, DaylightSavingChangeDays)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Windows C runtime takes no daylight-saving rule from TZ; Windows uses the system's zone";
#endif
    ScopedTimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    // Local midnights and 07:05 in UTC: the clocks go forward on 2026-03-29, back on 2026-10-25.
    const struct {
        platform::Moment localMidnight;
        platform::Moment due;
        platform::Moment nextMidnight;
    } days[] = {
        {UtcMoment(2026, 3, 28, 23, 0, 0), UtcMoment(2026, 3, 29, 5, 5, 0), UtcMoment(2026, 3, 29, 22, 0, 0)},
        {UtcMoment(2026, 10, 24, 22, 0, 0), UtcMoment(2026, 10, 25, 6, 5, 0), UtcMoment(2026, 10, 25, 23, 0, 0)},
    };
    for (const auto &day : days) {
        ReminderMap map;
        Add(map, 7, 5, 0, "daily");
        Add(map, 0, 0, 2, "after midnight");
        Add(map, 7, 5, 0, "today", ReminderRecord::KindToday, day.localMidnight, 1, 2026);
        std::vector<Fired> expected{{day.localMidnight + 2, "after midnight"}};
        for (const std::string &key : map.Keys()) {
            const std::string message = map.Lookup(key)->message;
            if (message != "after midnight")
                expected.push_back({day.due, message});
        }
        EXPECT_EQ(RunSeconds(map, day.localMidnight - 60, day.nextMidnight - 1), expected);
    }
}

// The check's daily reference is local 1971-01-01 at the time of day, in whichever zone is set,
// also one that changes its offset on that very day.
TEST(DailyReference, AgreesWithTheLocalDateInEveryZone)
{
    const char *zones[] = {"UTC0", "CET-1CEST,M3.5.0,M10.5.0/3", "NST3:30NDT,M3.2.0,M11.1.0", "LINT-14",
                           "XST-1XDT,J1/12,J300", "XST-1XDT,J300,J1/12", "UTC0"};
    for (const char *zone : zones) {
        ScopedTimeZone pinned(zone);
        for (int hour = 0; hour < 24; ++hour)
            for (const int minute : {0, 29, 59})
                for (const int second : {0, 59})
                    EXPECT_EQ(platform::DailyReference(hour, minute, second),
                              platform::FromLocal(1971, 1, 1, hour, minute, second))
                        << zone << " " << hour << ":" << minute << ":" << second;
    }
}
