// CMyPropertyPage3: the Time reminders page: the list of daily reminders and its editor.
#pragma once

#include <string>

#include "fieldedit/FieldKindEdits.h"
#include "sheet/GbkLimitEdit.h"
#include "sheet/PropertyPage.h"

class CMyPropertyPage3 : public CPropertyPage
{
public:
    // Longest message, in GBK bytes.
    static constexpr int MaxMessageBytes = 30;

    CMyPropertyPage3() : CPropertyPage(106), m_editMessage(MaxMessageBytes) {}

    void OnAdd();
    void OnModify();
    void OnDelete();
    void OnDblclkList();

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int nId, int nCode) override;
    void OnNotify(const NMHDR &header) override;

private:
    // Rebuilds the list from the clock's reminders in time-of-day order.
    void FillList();
    // Flag and time columns as wide as their texts, the message column the rest of the row.
    void FitColumns();
    // true: the editor into m_bEnable and m_strMessage; false: the other way.
    void UpdateData(bool bSaveAndValidate);
    // Reads the editor; false, after telling the user, when the message has no GBK form or is too
    // long for notify.dat.
    bool ReadEditor(int &nHour, int &nMinute, int &nSecond, std::string &message);
    // Saves the reminders, telling the user when the file could not be written.
    void SaveReminders();
    // The text of a column of the row holding the selection mark; false when there is no such row.
    bool SelectedText(int nColumn, std::wstring &text) const;
    void EnableRowButtons(bool bEnable);

    CTimeEdit m_editTime;
    CGbkLimitEdit m_editMessage;
    bool m_bEnable = false;
    std::wstring m_strMessage;
};
