// The Time reminders page: every add, modify and delete goes into the clock's reminders and to
// notify.dat at once.
#include "sheet/MyPropertyPage3.h"

#include <optional>

#include "common/Text.h"
#include "core/files/Gbk.h"
#include "core/reminders/ReminderRecord.h"
#include "core/sheet/PageRules.h"
#include "sheet/SheetHost.h"
#include "sheet/SheetIds.h"
#include "sheet/UserMessage.h"

BOOL CMyPropertyPage3::OnInitDialog()
{
    m_editTime.Attach(Item(IDC_TIME));
    m_editTime.SetBackColor(RGB(255, 255, 255));
    m_editTime.SetForeColor(RGB(0, 0, 0));
    m_editMessage.Attach(Item(IDC_MESSAGE));

    HWND list = Item(IDC_LIST);
    RECT client{};
    GetClientRect(list, &client);
    const wchar_t *headings[] = {L"启用", L"时间", L"消息"};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = client.right / 3;
        column.pszText = const_cast<wchar_t *>(headings[i]);
        column.iSubItem = i;
        ListView_InsertColumn(list, i, &column);
    }
    UpdateData(false);
    FillList();
    EnableRowButtons(false);
    return TRUE;
}

void CMyPropertyPage3::OnCommand(int nId, int nCode)
{
    if (nCode != BN_CLICKED)
        return;
    if (nId == IDC_ADD)
        OnAdd();
    else if (nId == IDC_MODIFY)
        OnModify();
    else if (nId == IDC_DELETE)
        OnDelete();
}

void CMyPropertyPage3::OnNotify(const NMHDR &header)
{
    // NM_DBLCLK is the left button's double click only.
    if (header.idFrom == IDC_LIST && header.code == static_cast<UINT>(NM_DBLCLK))
        OnDblclkList();
}

void CMyPropertyPage3::OnAdd()
{
    SheetHost *clock = GetClockWnd();
    int nHour = 0, nMinute = 0, nSecond = 0;
    std::string message;
    if (!clock || !ReadEditor(nHour, nMinute, nSecond, message))
        return;
    if (AddReminder(clock->Reminders(), nHour, nMinute, nSecond, m_bEnable, message) == AddResult::Duplicate) {
        win32::ShowUserMessage(m_hWnd, L"对应的时间提示已存在");
        return;
    }
    FillList();
    SaveReminders();
    EnableRowButtons(false);
}

void CMyPropertyPage3::OnModify()
{
    SheetHost *clock = GetClockWnd();
    std::wstring time;
    int nHour = 0, nMinute = 0, nSecond = 0;
    std::string message;
    if (!clock || !SelectedText(1, time) || !ReadEditor(nHour, nMinute, nSecond, message))
        return;
    ModifyReminder(clock->Reminders(), win32::Utf8(time), nHour, nMinute, nSecond, m_bEnable, message);
    FillList();
    SaveReminders();
    EnableRowButtons(false);
}

void CMyPropertyPage3::OnDelete()
{
    SheetHost *clock = GetClockWnd();
    std::wstring time;
    if (!clock || !SelectedText(1, time))
        return;
    DeleteReminder(clock->Reminders(), win32::Utf8(time));
    FillList();
    SaveReminders();
    EnableRowButtons(false);
}

void CMyPropertyPage3::OnDblclkList()
{
    std::wstring enabled, time, message;
    if (!SelectedText(0, enabled) || !SelectedText(1, time) || !SelectedText(2, message))
        return;
    m_bEnable = enabled == L"是";
    m_editTime.SetTime(time);
    m_strMessage = message;
    UpdateData(false);
    EnableRowButtons(true);
}

void CMyPropertyPage3::FillList()
{
    HWND list = Item(IDC_LIST);
    ListView_DeleteAllItems(list);
    SheetHost *clock = GetClockWnd();
    if (!clock)
        return;
    for (const ReminderRow &row : ReminderRows(clock->Reminders())) {
        const std::wstring texts[] = {win32::Wide(row.strEnabled), win32::Wide(row.strTime),
                                      win32::Wide(row.strMessage)};
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = ListView_GetItemCount(list);
        item.pszText = const_cast<wchar_t *>(texts[0].c_str());
        const int nRow = ListView_InsertItem(list, &item);
        for (int nColumn : {1, 2})
            ListView_SetItemText(list, nRow, nColumn, const_cast<wchar_t *>(texts[nColumn].c_str()));
    }
    FitColumns();
}

void CMyPropertyPage3::FitColumns()
{
    HWND list = Item(IDC_LIST);
    // The list measures what the heading and the rows of a column need.
    for (int nColumn : {0, 1})
        ListView_SetColumnWidth(list, nColumn, LVSCW_AUTOSIZE_USEHEADER);
    RECT client{};
    GetClientRect(list, &client);
    const ReminderColumns widths =
        ReminderColumnWidths(client.right, ListView_GetColumnWidth(list, 0), ListView_GetColumnWidth(list, 1));
    ListView_SetColumnWidth(list, 0, widths.nEnabled);
    ListView_SetColumnWidth(list, 1, widths.nTime);
    ListView_SetColumnWidth(list, 2, widths.nMessage);
}

void CMyPropertyPage3::UpdateData(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_bEnable = IsDlgButtonChecked(m_hWnd, IDC_ENABLE) == BST_CHECKED;
        m_strMessage = m_editMessage.GetText();
    } else {
        CheckDlgButton(m_hWnd, IDC_ENABLE, m_bEnable ? BST_CHECKED : BST_UNCHECKED);
        // A stored message may be longer than the limit: it stays whole and can only shrink.
        m_editMessage.SetText(m_strMessage);
    }
}

bool CMyPropertyPage3::ReadEditor(int &nHour, int &nMinute, int &nSecond, std::string &message)
{
    UpdateData(true);
    m_editTime.GetTime(nHour, nMinute, nSecond);
    const std::optional<std::string> bytes = core::Utf8ToGbk(win32::Utf8(m_strMessage));
    if (!bytes) {
        win32::ShowUserMessage(m_hWnd, L"消息中有无法保存的字符，请改写后再试。");
        return false;
    }
    if (bytes->size() > static_cast<std::size_t>(ReminderRecord::MaxTextBytes)) {
        win32::ShowUserMessage(m_hWnd, L"消息长于 " + std::to_wstring(ReminderRecord::MaxTextBytes)
                                           + L" 字节，notify.dat 存不下，请缩短后再试。");
        return false;
    }
    message = *bytes;
    return true;
}

void CMyPropertyPage3::SaveReminders()
{
    if (!GetClockWnd()->SaveReminders())
        win32::ShowUserMessage(m_hWnd, L"无法写入 notify.dat：提醒的修改已经生效，但程序退出后不会保留。");
}

bool CMyPropertyPage3::SelectedText(int nColumn, std::wstring &text) const
{
    HWND list = Item(IDC_LIST);
    const int nRow = ListView_GetSelectionMark(list);
    if (nRow < 0 || nRow >= ListView_GetItemCount(list))
        return false;
    wchar_t buffer[512] = {};
    ListView_GetItemText(list, nRow, nColumn, buffer, 512);
    text = buffer;
    return true;
}

void CMyPropertyPage3::EnableRowButtons(bool bEnable)
{
    EnableWindow(Item(IDC_DELETE), bEnable);
    EnableWindow(Item(IDC_MODIFY), bEnable);
}
