// libFuzzer target: arbitrary bytes as config.ini. Reading must give bounded values; a write after
// it must succeed, read back as written, and leave every other setting as it read before.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "platform/IniFile.h"

namespace {

struct Setting {
    const char *section;
    const char *key;
};

// The settings the clock keeps, and a section of its own for writes that add a section.
constexpr std::array<Setting, 6> kSettings{{
    {"location", "x"},
    {"location", "y"},
    {"autorun", "enable"},
    {"skin", "background"},
    {"skin", "number"},
    {"extra", "value"},
}};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// A folder on a memory file system where there is one, so that the synced writes stay fast.
const QString &Folder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/inifuzz-XXXXXX")
                                                                     : QDir::tempPath() + QStringLiteral("/inifuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

std::array<QString, kSettings.size()> ReadAll(const QString &path)
{
    std::array<QString, kSettings.size()> values;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        platform::ReadIniString(path, QLatin1String(kSettings[i].section), QLatin1String(kSettings[i].key),
                                QStringLiteral("<none>"), values[i]);
        Check(values[i].size() <= 2 * platform::kIniValueMaxChars);
        long number = 0;
        platform::ReadIniInt(path, QLatin1String(kSettings[i].section), QLatin1String(kSettings[i].key), -7, number);
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte picks the setting to write and the next few give its value; the whole input
    // is the file.
    if (size == 0)
        return 0;
    const std::size_t which = data[0] % kSettings.size();
    const std::size_t valueLength = size > 1 ? std::min<std::size_t>(data[1] % 48, size - 2) : 0;
    QString value = QString::fromUtf8(reinterpret_cast<const char *>(data) + 2, static_cast<qsizetype>(valueLength));
    value.remove(QLatin1Char('\n')).remove(QLatin1Char('\r')).remove(QChar(0));

    const QString path = Folder() + QStringLiteral("/config.ini");
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Check(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) == static_cast<qint64>(size));
    }

    const auto before = ReadAll(path);
    const Setting &setting = kSettings[which];
    Check(platform::WriteIniString(path, QLatin1String(setting.section), QLatin1String(setting.key), value));
    const auto after = ReadAll(path);

    // Blanks around a value are not kept.
    const QString expected = QString::fromUtf8(value.toUtf8().trimmed());
    Check(after[which] == expected);
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (i != which)
            Check(after[i] == before[i]);
    }
    // A second write of the same value leaves the file byte for byte as it was.
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    Check(platform::WriteIniString(path, QLatin1String(setting.section), QLatin1String(setting.key), value));
    Check(file.open(QIODevice::ReadOnly));
    Check(file.readAll() == written);
    return 0;
}
