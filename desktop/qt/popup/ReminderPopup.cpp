// The reminder popup: picture, outline, jiggle, drag and the red message.
#include "popup/ReminderPopup.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>
#include <QTimerEvent>

#include "gfx/QtPictures.h"
#include "platform/Gbk.h"
#include "platform/ProgramDir.h"
#include "platform/TaskbarHint.h"
#include "platform/WindowDrag.h"
#include "platform/UserMessage.h"
#include "res/Resources.h"

namespace {

// The size of the built-in picture, used as it is when even that cannot be read.
constexpr QSize kPlainSize(122, 130);

QString WhyUnusable(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return QStringLiteral("is missing");
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read");
    if (file.read(2) != "BM")
        return QStringLiteral("is not a bitmap file");
    QImage picture;
    if (LoadBitmapFile(path, picture) && OutlineRegion(picture).isEmpty())
        return QStringLiteral("has only one colour, so nothing of it would be cut out");
    return QStringLiteral("is a damaged bitmap file");
}

// The picture at `path` when both readers accept it and it has something besides its key colour;
// a picture of one colour would show as a plain rectangle.
bool ReadPicture(const QString &path, QImage &picture)
{
    const core::CDib dib = gfx::OpenDib(path);
    return dib.IsLoaded() && LoadBitmapFile(path, picture) && !OutlineRegion(picture).isEmpty();
}

// The message's GBK bytes; a character without a GBK form (U+FFFD stands for bytes of notify.dat
// that are not GBK) counts as a question mark.
std::string MessageBytes(const QString &message)
{
    if (const std::optional<std::string> bytes = platform::ToGbk(message))
        return *bytes;
    std::string bytes;
    for (const uint code : message.toUcs4()) {
        const char32_t character = code;
        bytes += platform::ToGbk(QString::fromUcs4(&character, 1)).value_or("?");
    }
    return bytes;
}

} // namespace

ReminderPopup::ReminderPopup()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_clrText(255, 0, 0)
{
    m_fontMessage.setFamily(QStringLiteral("楷体_GB2312"));
    m_fontMessage.setPixelSize(18);
    m_fontMessage.setWeight(QFont::Thin);
    m_fontMessage.setFixedPitch(true);
    m_fontMessage.setStyleHint(QFont::TypeWriter);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ReminderPopup::~ReminderPopup() = default;

void ReminderPopup::SetMessage(const QString &message)
{
    m_strMessage = message;
    update();
}

bool ReminderPopup::Create(const QString &pictureFileName)
{
    m_strImagePath = QDir(platform::GetProgramDirectory()).filePath(pictureFileName);
    QImage picture;
    const bool bOwnPicture = ReadPicture(m_strImagePath, picture);
    if (!bOwnPicture) {
        const QString reason = WhyUnusable(m_strImagePath);
        m_strImagePath = FallbackPopupPath();
        if (ReadPicture(m_strImagePath, picture)) {
            platform::LogProblem(QStringLiteral("reminder picture %1 %2; showing the built-in picture")
                                     .arg(pictureFileName, reason));
        } else {
            platform::LogProblem(QStringLiteral("reminder picture %1 %2 and the built-in picture is unavailable")
                                     .arg(pictureFileName, reason));
            picture = QImage();
        }
    }

    setGeometry(QRect(QPoint(0, 0), picture.isNull() ? kPlainSize : picture.size()));
    if (!picture.isNull())
        setMask(OutlineRegion(picture));
    setCursor(ArrowCursor());
    m_timer.start(PopupTimerMs, this);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
    const core::Rect home = popup::CentredRect({available.x(), available.y(), available.width(), available.height()},
                                               {width(), height()});
    m_rcHome = QRect(home.left, home.top, home.width, home.height);
    move(m_rcHome.topLeft());
    update();
    return bOwnPicture;
}

void ReminderPopup::OnTimer(int nIDEvent)
{
    popup::Shake &shake = popup::SharedShake();
    shake = popup::NextShake(shake);
    if (nIDEvent != PopupTimerId)
        return;
    if (m_countdown.bClosing) {
        if (m_countdown.Tick()) {
            m_timer.stop();
            close();
        }
        return;
    }
    move(m_rcHome.left() + shake.shakeDx, m_rcHome.top() + shake.shakeDy);
}

void ReminderPopup::timerEvent(QTimerEvent *event)
{
    OnTimer(event->timerId() == m_timer.timerId() ? PopupTimerId : event->timerId());
}

void ReminderPopup::OnLButtonDown(const QPoint &globalPoint)
{
    m_countdown.Click();
    m_drag.Begin(this, globalPoint);
    emit clicked();
}

// The snooze menu. It does not block: the popup may close under it, taking the menu along.
void ReminderPopup::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const int minutes : {5, 10, 30}) {
        QAction *action = menu->addAction(QStringLiteral("%1 分钟后再提醒").arg(minutes));
        connect(action, &QAction::triggered, this, [this, minutes] {
            emit snoozed(minutes);
            m_timer.stop();
            close();
        });
    }
    menu->popup(event->globalPos());
}

void ReminderPopup::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void ReminderPopup::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.Move(this, event);
    QWidget::mouseMoveEvent(event);
}

void ReminderPopup::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.End(event);
    QWidget::mouseReleaseEvent(event);
}

void ReminderPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QImage picture;
    if (LoadBitmapFile(m_strImagePath, picture) || LoadBitmapFile(FallbackPopupPath(), picture))
        painter.drawImage(QPoint(0, 0), picture);
    else
        painter.fillRect(rect(), Qt::white);
    DrawMessage(painter);
}

// Each line from popup::MessageLines, centred, one font cell (its pixel size) below the one before:
// not the face's taller line height, so that three lines fit the box.
void ReminderPopup::DrawMessage(QPainter &painter) const
{
    const QRect box = TextRect();
    painter.save();
    painter.setClipRect(box);
    painter.setPen(m_clrText);
    int y = 0;
    for (const std::string &bytes : popup::MessageLines(MessageBytes(m_strMessage))) {
        QTextLayout layout(platform::FromGbk(bytes), m_fontMessage, painter.device());
        layout.setTextOption(QTextOption(Qt::AlignHCenter));
        layout.beginLayout();
        QTextLine line = layout.createLine();
        if (line.isValid()) {
            line.setLineWidth(box.width());
            line.setPosition(QPointF(0, y));
        }
        layout.endLayout();
        layout.draw(&painter, box.topLeft());
        y += m_fontMessage.pixelSize();
    }
    painter.restore();
}

void ReminderPopup::closeEvent(QCloseEvent *event)
{
    m_timer.stop();
    event->accept();
    emit finished();
}

void ReminderPopup::showEvent(QShowEvent *event)
{
    platform::KeepOffTaskbar(this);
    QWidget::showEvent(event);
}
