// libFuzzer target: arbitrary text given to the time field's SetTime. A refused text changes
// nothing; an accepted one leaves three values in range, shown as HH:MM:SS, that set themselves again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QString>

#include "fieldedit/TimeField.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Time {
    int hour = -1, minute = -1, second = -1;
    bool operator==(const Time &) const = default;
};

Time Read(const TimeField &field)
{
    Time t;
    field.GetTime(t.hour, t.minute, t.second);
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte chooses how the rest is read: UTF-8 or raw UTF-16 (unpaired surrogates too).
    if (size == 0)
        return 0;
    const char *text = reinterpret_cast<const char *>(data + 1);
    const qsizetype length = static_cast<qsizetype>(size - 1);
    QString input;
    if (data[0] & 1) {
        input.resize(length / 2);
        std::memcpy(input.data(), text, static_cast<std::size_t>(length / 2) * 2);
    } else {
        input = QString::fromUtf8(text, length);
    }

    TimeField field;
    Check(field.SetTime(QStringLiteral("09:08:07")));
    const Time start = Read(field);
    const QString shown = field.ComposeText();
    Check(shown == QStringLiteral("09:08:07"));

    if (!field.SetTime(input)) {
        Check(Read(field) == start && field.ComposeText() == shown);
        return 0;
    }
    const Time t = Read(field);
    Check(t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59);
    const QString composed = field.ComposeText();
    Check(composed == QString::asprintf("%02d:%02d:%02d", t.hour, t.minute, t.second));

    TimeField again;
    Check(again.SetTime(composed) && Read(again) == t && again.ComposeText() == composed);
    // Text in front of the last eight characters never matters.
    TimeField longer;
    Check(longer.SetTime(input + composed) && Read(longer) == t);
    return 0;
}
