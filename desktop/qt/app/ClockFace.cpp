// The clock window's face: the skins it shows, its outline and place, and the drawing of the digits.
#include "app/ClockWnd.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

#include "core/pictures/SkinCatalogue.h"
#include "gfx/QtPictures.h"
#include "platform/IniFile.h"
#include "core/clock/DigitCopies.h"
#include "core/clock/ScreenPlacement.h"
#include "platform/UserMessage.h"
#include "res/Resources.h"

void CClockWnd::MakeFace(const std::string &background, const std::string &digits)
{
    m_strBkName = QString::fromStdString(background);
    m_strNumName = QString::fromStdString(digits);
    // Only skins that show are offered in the settings; a damaged one is named in the log when
    // it is configured.
    m_arrBkNames = m_paths.UsableSkins(QStringLiteral("BK"));
    m_arrNumNames = m_paths.UsableSkins(QStringLiteral("NUM"));
    m_strBkPath = ChooseSkin(m_strBkName, m_arrBkNames, QStringLiteral("BK"),
                             FallbackBackgroundPath(), "background");
    m_strNumPath = ChooseSkin(m_strNumName, m_arrNumNames, QStringLiteral("NUM"),
                              FallbackDigitsPath(), "digit");

    // The chosen background has passed the same header checks, so its size is usable.
    const core::CDib dib = gfx::OpenDib(m_strBkPath);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(m_strWindowName);
    setFixedSize(dib.Width(), qAbs(dib.Height()));
    BuildShape();
}

void CClockWnd::MoveWindow(core::WindowPosition topLeft)
{
    m_nX = topLeft.x;
    m_nY = topLeft.y;
    const auto rect = [](const QRect &r) { return core::Rect{r.x(), r.y(), r.width(), r.height()}; };
    std::vector<core::Rect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.push_back(rect(screen->availableGeometry()));
    const QScreen *primary = QGuiApplication::primaryScreen();
    const core::Rect saved{m_nX, m_nY, width(), height()};
    const core::Point shown = core::VisibleTopLeft(saved, areas, primary ? rect(primary->availableGeometry()) : saved);
    move(shown.x, shown.y);
}

QString CClockWnd::ChooseSkin(QString &name, const QStringList &names, const QString &extension,
                              const QString &fallbackPath, const char *kind)
{
    QStringList refused;
    const std::string ext = extension.toStdString();
    const auto usable = [&ext, &refused](const std::filesystem::path &file) {
        const bool ok = core::IsUsableSkin(file, ext);
        const QString path = gfx::QtPath(file);
        if (!ok && !refused.contains(path))
            refused.append(path);
        return ok;
    };
    std::vector<std::string> listed;
    for (const QString &skin : names)
        listed.push_back(skin.toStdString());
    const int start = names.isEmpty() ? 0 : core::RandomIndex(0, static_cast<int>(names.size()) - 1);
    const std::optional<core::SkinPick> pick = core::PickSkin(
        [this, &extension](const std::string &skin) { return platform::FsPath(m_paths.SkinFile(QString::fromStdString(skin), extension)); },
        listed, name.toStdString(), ext, start, usable);
    const QString pickPath = pick ? gfx::QtPath(pick->path) : QString();
    const QString instead = pick ? QStringLiteral("taking %1").arg(pickPath) : QStringLiteral("using the built-in skin");
    for (const QString &path : refused)
        platform::LogProblem(QStringLiteral("%1 %2 is not a usable picture; %3").arg(QLatin1String(kind), path, instead));
    if (!name.isEmpty() && m_paths.SkinFile(name, extension).isEmpty())
        platform::LogProblem(QStringLiteral("the %1 skin %2 is missing; %3").arg(QLatin1String(kind), name, instead));
    if (!pick && refused.isEmpty())
        platform::LogProblem(QStringLiteral("no %1 skin (*.%2) in %3; using the built-in skin")
                                 .arg(QLatin1String(kind), extension, m_paths.SkinDirectories().join(QStringLiteral(", "))));
    name = pick ? QString::fromStdString(pick->name) : QString();
    return pick ? pickPath : fallbackPath;
}

void CClockWnd::BuildShape()
{
    QRegion region(0, 0, width(), height());
    if (LoadBitmapFile(m_strBkPath, m_bmpBackground)) {
        region = OutlineRegion(m_bmpBackground);
        if (const auto box = FindDigitBox(m_bmpBackground))
            m_ptDigits = *box;
    }
    if (!LoadBitmapFile(m_strNumPath, m_bmpDigits)) {
        platform::LogProblem(QStringLiteral("digit strip %1 cannot be read; using the built-in strip")
                                 .arg(m_strNumPath));
        m_strNumName.clear();
        m_strNumPath = FallbackDigitsPath();
        LoadBitmapFile(m_strNumPath, m_bmpDigits);
    }
    // An empty mask would mean "no mask" to Qt; a picture of one colour shows nothing.
    setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
}

void CClockWnd::DrawDigits(const core::ClockDigits &, const std::array<bool, 6> &changed)
{
    QRegion region;
    for (const core::DigitCopy &copy : core::kDigitCopies) {
        if (copy.Shows(changed))
            region += QRect(m_ptDigits.x() + copy.dx, m_ptDigits.y(), copy.width, DigitBoxHeight);
    }
    repaint(region);
}

void CClockWnd::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        const QRect digitBox(m_ptDigits, QSize(DigitBoxWidth, DigitBoxHeight));
        if (!digitBox.contains(event->rect()))
            OnEraseBkgnd(painter, event->region());
        OnPaint(painter, event->region());
    }
    if (!m_bPainted) {
        m_bPainted = true;
        // After this paint has reached the screen.
        QMetaObject::invokeMethod(this, &CClockWnd::FinishCreate, Qt::QueuedConnection);
    }
}

void CClockWnd::OnEraseBkgnd(QPainter &painter, const QRegion &region)
{
    // The background as read at creation: a paint reads no file.
    for (const QRect &rect : region)
        painter.drawImage(rect.topLeft(), m_bmpBackground, rect);
}

void CClockWnd::OnPaint(QPainter &painter, const QRegion &region)
{
    if (m_bmpDigits.isNull())
        return;
    // Only the glyphs in the region asked for: a tick's repaint is usually one digit.
    for (const core::DigitCopy &copy : core::kDigitCopies) {
        const QRect target(m_ptDigits.x() + copy.dx, m_ptDigits.y(), copy.width, DigitBoxHeight);
        if (!region.intersects(target))
            continue;
        const int sourceX = copy.SourceX(Digits());
        painter.drawImage(target.topLeft(), m_bmpDigits, QRect(sourceX, 0, copy.width, DigitBoxHeight));
    }
}
