// Writes, removes and checks the program's autostart desktop entry.
#include "platform/AutoStart.h"

#include <utility>

#include <QDir>
#include <QFile>

#include "platform/IniFile.h"
#include "platform/ProgramDir.h"

namespace platform {

AutoStart::AutoStart(QString folder, QString executable)
    : m_strFolder(std::move(folder)), m_strExecutable(std::move(executable))
{
}

QString AutoStart::SystemFolder()
{
    return QStringLiteral("/etc/xdg/autostart");
}

QString AutoStart::EntryPath() const
{
    return m_strFolder + QStringLiteral("/Dovetick.desktop");
}

bool AutoStart::IsAutoRun() const
{
    QFile entry(EntryPath());
    return entry.open(QIODevice::ReadOnly) && !DisabledByDesktop(entry.readAll());
}

bool AutoStart::SetAutoRun(bool on) const
{
    const QString path = EntryPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);

    const QString executable = m_strExecutable.isEmpty() ? ExecutablePath() : m_strExecutable;
    if (executable.isEmpty() || !QDir().mkpath(m_strFolder))
        return false;
    return WriteFileAtomically(path, DesktopEntryText(executable));
}

bool AutoStart::RenewAutoRun() const
{
    QFile entry(EntryPath());
    if (entry.open(QIODevice::ReadOnly) && DisabledByDesktop(entry.readAll()))
        return true;
    return SetAutoRun(true);
}

namespace {

// A string value of a desktop entry: \ doubled, line breaks and tabs as \n, \r, \t.
QString EscapeValue(const QString &text)
{
    QString value;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else
            value += c;
    }
    return value;
}

} // namespace

QString QuoteExecArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return EscapeValue(quoted);
}

QByteArray DesktopEntryText(const QString &executable)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Dovetock\n"
                                        "Comment=Desktop alarm clock\n"
                                        "Exec=%1\n"
                                        "TryExec=%2\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(QuoteExecArgument(executable), EscapeValue(executable));
    return text.toUtf8();
}

bool DisabledByDesktop(const QByteArray &entryText)
{
    bool inMainGroup = false;
    bool hidden = false;
    bool enabled = true;
    for (const QByteArray &rawLine : entryText.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inMainGroup || line.startsWith('#') || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed().toLower();
        if (key == "Hidden")
            hidden = value == "true" || value == "1";
        else if (key == "X-GNOME-Autostart-enabled")
            enabled = !(value == "false" || value == "0");
    }
    return hidden || !enabled;
}

} // namespace platform
