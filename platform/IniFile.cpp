// Reads and rewrites INI files line by line, leaving the lines it does not change untouched.
#include "platform/IniFile.h"

#include <climits>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

#include "platform/Gbk.h"
#include "platform/UserMessage.h"

namespace platform {

namespace {

struct Line {
    QByteArray text; // without its line end
    QByteArray eol;  // "\r\n", "\n", or empty for a last line without one
};

enum class LineKind { Other, Section, Key };

struct LineInfo {
    LineKind kind = LineKind::Other;
    QByteArray name;
    QByteArray value;
};

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

std::vector<Line> SplitLines(const QByteArray &bytes)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', start);
        if (nl < 0) {
            lines.push_back({bytes.mid(start), QByteArray()});
            break;
        }
        const bool crlf = nl > start && bytes[nl - 1] == '\r';
        const qsizetype end = crlf ? nl - 1 : nl;
        lines.push_back({bytes.mid(start, end - start), crlf ? QByteArray("\r\n") : QByteArray("\n")});
        start = nl + 1;
    }
    return lines;
}

QByteArray JoinLines(const std::vector<Line> &lines)
{
    QByteArray bytes;
    for (const Line &line : lines)
        bytes += line.text + line.eol;
    return bytes;
}

LineInfo Classify(const Line &line, bool firstLine)
{
    QByteArray text = line.text;
    if (firstLine && text.startsWith(kUtf8Bom))
        text.remove(0, kUtf8Bom.size());
    text = text.trimmed();

    LineInfo info;
    if (text.startsWith('[')) {
        const qsizetype close = text.indexOf(']');
        if (close > 0) {
            info.kind = LineKind::Section;
            info.name = text.mid(1, close - 1).trimmed();
        }
        return info;
    }
    if (text.startsWith(';'))
        return info;
    const qsizetype eq = text.indexOf('=');
    if (eq <= 0)
        return info;
    info.kind = LineKind::Key;
    info.name = text.left(eq).trimmed();
    info.value = text.mid(eq + 1).trimmed();
    return info;
}

bool SameName(const QByteArray &inFile, const QString &wanted)
{
    return QString::fromUtf8(inFile).compare(wanted, Qt::CaseInsensitive) == 0;
}

// Index of the first line of the first section named `section`, or -1.
qsizetype FindSection(const std::vector<Line> &lines, const QString &section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineInfo info = Classify(lines[i], i == 0);
        if (info.kind == LineKind::Section && SameName(info.name, section))
            return static_cast<qsizetype>(i);
    }
    return -1;
}

// The line index one past the last line of the section whose header is at `header`.
std::size_t SectionEnd(const std::vector<Line> &lines, std::size_t header)
{
    std::size_t i = header + 1;
    while (i < lines.size() && Classify(lines[i], false).kind != LineKind::Section)
        ++i;
    return i;
}

// The file's text as UTF-8. A file that is not valid UTF-8 was written by the Windows program in
// its GBK code page and is converted, so that a later write keeps the file one encoding.
std::optional<QByteArray> ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    // Invalid sequences turn into U+FFFD, so only valid UTF-8 comes back unchanged.
    const QByteArrayView text = bytes.startsWith(kUtf8Bom) ? QByteArrayView(bytes).sliced(kUtf8Bom.size())
                                                            : QByteArrayView(bytes);
    if (QString::fromUtf8(text).toUtf8() == text)
        return bytes;
    return FromGbk(bytes.toStdString()).toUtf8();
}

bool HasLineBreakOrNul(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
        || text.contains(QChar(0));
}

QString CutToMaxChars(const QString &text)
{
    if (text.size() <= kIniValueMaxChars)
        return text;
    qsizetype units = 0;
    for (int count = 0; count < kIniValueMaxChars && units < text.size(); ++count) {
        const bool pair = text[units].isHighSurrogate() && units + 1 < text.size()
            && text[units + 1].isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return text.left(units);
}

} // namespace

void ReadIniString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultText, QString &out)
{
    out = CutToMaxChars(defaultText);
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (!bytes)
        return;
    const std::vector<Line> lines = SplitLines(*bytes);
    const qsizetype header = FindSection(lines, section.trimmed());
    if (header < 0)
        return;
    const QString wantedKey = key.trimmed();
    const std::size_t end = SectionEnd(lines, static_cast<std::size_t>(header));
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < end; ++i) {
        const LineInfo info = Classify(lines[i], false);
        if (info.kind == LineKind::Key && SameName(info.name, wantedKey)) {
            out = CutToMaxChars(QString::fromUtf8(info.value));
            return;
        }
    }
}

bool WriteIniString(const QString &path, const QString &section, const QString &key,
                    const QString &value)
{
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    if (sectionName.isEmpty() || HasLineBreakOrNul(sectionName) || sectionName.contains(QLatin1Char(']')))
        return false;
    if (keyName.isEmpty() || HasLineBreakOrNul(keyName) || keyName.contains(QLatin1Char('='))
        || keyName.startsWith(QLatin1Char('[')) || keyName.startsWith(QLatin1Char(';')))
        return false;
    if (HasLineBreakOrNul(value))
        return false;

    QByteArray bytes;
    if (QFile::exists(path)) {
        const std::optional<QByteArray> existing = ReadBytes(path);
        if (!existing)
            return false;
        bytes = *existing;
    }
    std::vector<Line> lines = SplitLines(bytes);

    QByteArray eol("\n");
    for (const Line &line : lines) {
        if (!line.eol.isEmpty()) {
            eol = line.eol;
            break;
        }
    }
    const QByteArray valueBytes = value.toUtf8();

    const qsizetype header = FindSection(lines, sectionName);
    if (header < 0) {
        if (!lines.empty() && lines.back().eol.isEmpty())
            lines.back().eol = eol;
        lines.push_back({"[" + sectionName.toUtf8() + "]", eol});
        lines.push_back({keyName.toUtf8() + "=" + valueBytes, eol});
        return WriteFileAtomically(path, JoinLines(lines));
    }

    const std::size_t first = static_cast<std::size_t>(header);
    const std::size_t end = SectionEnd(lines, first);
    std::size_t lastFilled = first;
    for (std::size_t i = first + 1; i < end; ++i) {
        const LineInfo info = Classify(lines[i], false);
        if (info.kind == LineKind::Key && SameName(info.name, keyName)) {
            lines[i].text = info.name + "=" + valueBytes;
            return WriteFileAtomically(path, JoinLines(lines));
        }
        if (!lines[i].text.trimmed().isEmpty())
            lastFilled = i;
    }
    if (lines[lastFilled].eol.isEmpty())
        lines[lastFilled].eol = eol;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastFilled) + 1,
                 Line{keyName.toUtf8() + "=" + valueBytes, eol});
    return WriteFileAtomically(path, JoinLines(lines));
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, so that a short write (full disk) shows in write() and is never committed.
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size()
        && file.commit(); // on failure the temporary file goes with the object; the old file stays
    if (!saved)
        LogProblem(QStringLiteral("cannot save %1: %2; the file is left as it was").arg(path, file.errorString()));
    return saved;
}

long ParseIniLong(const QString &text)
{
    qsizetype i = 0;
    const auto isBlank = [](QChar c) {
        return c == QLatin1Char(' ') || (c.unicode() >= 0x09 && c.unicode() <= 0x0D);
    };
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const unsigned long limit = negative ? static_cast<unsigned long>(LONG_MAX) + 1UL
                                         : static_cast<unsigned long>(LONG_MAX);
    unsigned long magnitude = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const unsigned long digit = text[i].unicode() - u'0';
        if (magnitude > (limit - digit) / 10) {
            magnitude = limit;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (!negative)
        return static_cast<long>(magnitude);
    return magnitude == static_cast<unsigned long>(LONG_MAX) + 1UL ? LONG_MIN
                                                                   : -static_cast<long>(magnitude);
}

void ReadIniInt(const QString &path, const QString &section, const QString &key,
                long defaultValue, long &out)
{
    QString text;
    ReadIniString(path, section, key, QString::number(defaultValue), text);
    out = ParseIniLong(text);
}

bool WriteIniInt(const QString &path, const QString &section, const QString &key, long value)
{
    return WriteIniString(path, section, key, QString::number(value));
}

} // namespace platform
