// The Time reminders page: every add, modify and delete goes into the clock's reminders and to
// notify.dat at once.
#include "settings/MyPropertyPage3.h"

#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "fieldedit/TimeEdit.h"
#include "platform/Gbk.h"
#include "platform/UserMessage.h"
#include "core/reminders/ReminderRecord.h"
#include "settings/ClockAccess.h"
#include "settings/GbkLimitValidator.h"
#include "core/sheet/PageRules.h"

namespace {

QPushButton *MakeButton(QWidget *parent, const QString &text, const QRect &rect, const char *name)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    return button;
}

} // namespace

CMyPropertyPage3::CMyPropertyPage3(QWidget *parent)
    : CPropertyPage(QStringLiteral("时间提醒"), QSize(215, 103), parent)
{
}

CMyPropertyPage3::~CMyPropertyPage3() = default;

void CMyPropertyPage3::OnInitDialog()
{
    // Made in the order of the template, which is also the tab order.
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setGeometry(Dlu(7, 37, 156, 58));
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({QStringLiteral("启用"), QStringLiteral("时间"), QStringLiteral("消息")});
    m_list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CMyPropertyPage3::OnSelectionChanged);

    m_btnModify = MakeButton(this, QStringLiteral("修改"), Dlu(171, 7, 37, 14), "modify");

    m_editTime = new CTimeEdit(this);
    m_editTime->setObjectName(QStringLiteral("time"));
    m_editTime->setGeometry(Dlu(52, 7, 92, 13));
    m_editTime->SetBackColor(0xFFFFFF);
    m_editTime->SetForeColor(0x000000);

    m_checkEnable = new QCheckBox(QStringLiteral("启用"), this);
    m_checkEnable->setObjectName(QStringLiteral("enable"));
    m_checkEnable->setGeometry(Dlu(12, 7, 27, 13));

    (new QLabel(QStringLiteral("提醒"), this))->setGeometry(Dlu(148, 9, 17, 10));

    m_btnDelete = MakeButton(this, QStringLiteral("删除"), Dlu(171, 22, 37, 13), "delete");

    m_editMessage = new QLineEdit(this);
    m_editMessage->setObjectName(QStringLiteral("message"));
    m_editMessage->setGeometry(Dlu(12, 22, 150, 12));
    m_messageLimit = GbkLimitValidator::Install(m_editMessage, MaxMessageBytes);

    m_btnAdd = MakeButton(this, QStringLiteral("添加"), Dlu(171, 36, 37, 13), "add");

    connect(m_btnDelete, &QPushButton::clicked, this, &CMyPropertyPage3::OnDelete);
    connect(m_btnModify, &QPushButton::clicked, this, &CMyPropertyPage3::OnModify);
    connect(m_btnAdd, &QPushButton::clicked, this, &CMyPropertyPage3::OnAdd);

    UpdateData(false);
    FillList();
    EnableRowButtons(false);
}

bool CMyPropertyPage3::eventFilter(QObject *watched, QEvent *event)
{
    // A vertical scroll bar coming or going changes the width the columns share.
    if (m_list && watched == m_list->viewport() && event->type() == QEvent::Resize)
        FitColumns();
    // Only the left button's double-click loads a row.
    if (m_list && watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        OnDblclkList();
    return CPropertyPage::eventFilter(watched, event);
}

void CMyPropertyPage3::OnSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (!selected.isEmpty())
        m_nSelectionMark = m_list->indexOfTopLevelItem(selected.first());
}

void CMyPropertyPage3::OnAdd()
{
    ClockAccess *clock = GetClockWnd();
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    std::string message;
    if (!clock || !ReadEditor(nHour, nMinute, nSecond, message))
        return;
    if (AddReminder(clock->Reminders(), nHour, nMinute, nSecond, m_bEnable, message)
        == AddResult::Duplicate) {
        platform::ShowUserMessage(QStringLiteral("对应的时间提示已存在"));
        return;
    }
    FillList();
    SaveReminders();
    EnableRowButtons(false);
}

void CMyPropertyPage3::OnModify()
{
    ClockAccess *clock = GetClockWnd();
    const QTreeWidgetItem *row = SelectedRow();
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
    std::string message;
    if (!clock || !row || !ReadEditor(nHour, nMinute, nSecond, message))
        return;
    ModifyReminder(clock->Reminders(), row->text(1).toStdString(), nHour, nMinute, nSecond, m_bEnable, message);
    FillList();
    SaveReminders();
    EnableRowButtons(false);
}

void CMyPropertyPage3::OnDelete()
{
    ClockAccess *clock = GetClockWnd();
    const QTreeWidgetItem *row = SelectedRow();
    if (!clock || !row)
        return;
    DeleteReminder(clock->Reminders(), row->text(1).toStdString());
    FillList();
    SaveReminders();
    EnableRowButtons(false);
}

void CMyPropertyPage3::OnDblclkList()
{
    const QTreeWidgetItem *row = SelectedRow();
    if (!row)
        return;
    m_bEnable = row->text(0) == QStringLiteral("是");
    m_editTime->SetTime(row->text(1));
    m_strMessage = row->text(2);
    UpdateData(false);
    EnableRowButtons(true);
}

void CMyPropertyPage3::FillList()
{
    m_list->clear();
    m_nSelectionMark = -1;
    ClockAccess *clock = GetClockWnd();
    if (!clock)
        return;
    for (const ReminderRow &row : ReminderRows(clock->Reminders()))
        new QTreeWidgetItem(m_list, {QString::fromStdString(row.strEnabled), QString::fromStdString(row.strTime),
                                     QString::fromStdString(row.strMessage)});
    FitColumns();
}

void CMyPropertyPage3::FitColumns()
{
    const QAbstractItemView *view = m_list;
    const auto need = [this, view](int column) {
        return std::max(m_list->header()->sectionSizeHint(column), view->sizeHintForColumn(column));
    };
    const ReminderColumns widths = ReminderColumnWidths(m_list->viewport()->width(), need(0), need(1));
    m_list->setColumnWidth(0, widths.nEnabled);
    m_list->setColumnWidth(1, widths.nTime);
    m_list->setColumnWidth(2, widths.nMessage);
}

void CMyPropertyPage3::UpdateData(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_bEnable = m_checkEnable->isChecked();
        m_strMessage = m_editMessage->text();
    } else {
        m_checkEnable->setChecked(m_bEnable);
        // A stored message may be longer than the limit: it stays whole and can only shrink.
        m_messageLimit->Admit(m_strMessage);
        m_editMessage->setText(m_strMessage);
    }
}

bool CMyPropertyPage3::ReadEditor(int &nHour, int &nMinute, int &nSecond, std::string &message)
{
    UpdateData(true);
    m_editTime->GetTime(nHour, nMinute, nSecond);
    const std::optional<std::string> bytes = platform::ToGbk(m_strMessage);
    if (!bytes) {
        platform::ShowUserMessage(QStringLiteral("消息中有无法保存的字符，请改写后再试。"));
        return false;
    }
    if (bytes->size() > static_cast<std::size_t>(ReminderRecord::MaxTextBytes)) {
        platform::ShowUserMessage(QStringLiteral("消息长于 %1 字节，notify.dat 存不下，请缩短后再试。")
                                      .arg(ReminderRecord::MaxTextBytes));
        return false;
    }
    message = *bytes;
    return true;
}

void CMyPropertyPage3::SaveReminders()
{
    if (!GetClockWnd()->SaveReminders())
        platform::ShowUserMessage(QStringLiteral("无法写入 notify.dat：提醒的修改已经生效，但程序退出后不会保留。"));
}

QTreeWidgetItem *CMyPropertyPage3::SelectedRow() const
{
    return m_list->topLevelItem(m_nSelectionMark);
}

void CMyPropertyPage3::EnableRowButtons(bool bEnable)
{
    m_btnDelete->setEnabled(bEnable);
    m_btnModify->setEnabled(bEnable);
}
