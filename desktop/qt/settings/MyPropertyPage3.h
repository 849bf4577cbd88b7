// CMyPropertyPage3: the Time reminders page: the list of daily reminders and its editor.
#pragma once

#include <string>

#include <QString>

#include "settings/PropertyPage.h"

class CTimeEdit;
class GbkLimitValidator;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CMyPropertyPage3 : public CPropertyPage
{
    Q_OBJECT

public:
    // Longest message, in GBK bytes.
    static constexpr int MaxMessageBytes = 30;

    explicit CMyPropertyPage3(QWidget *parent = nullptr);
    ~CMyPropertyPage3() override;

protected:
    void OnInitDialog() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void OnDelete();
    void OnModify();
    void OnAdd();
    void OnDblclkList();
    void OnSelectionChanged();

private:
    // Rebuilds the list from the clock's reminders in time-of-day order.
    void FillList();
    // Flag and time columns as wide as their texts, the message column the rest of the row.
    void FitColumns();
    // true: editor widgets into m_bEnable and m_strMessage; false: the other way.
    void UpdateData(bool bSaveAndValidate);
    // Reads the editor; false, after telling the user, when the message has no GBK form or is
    // too long for notify.dat.
    bool ReadEditor(int &nHour, int &nMinute, int &nSecond, std::string &message);
    // Saves the reminders, telling the user when the file could not be written.
    void SaveReminders();
    // The row holding the selection mark (the row last selected), or null.
    QTreeWidgetItem *SelectedRow() const;
    void EnableRowButtons(bool bEnable);

    QPushButton *m_btnDelete = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnModify = nullptr;
    CTimeEdit *m_editTime = nullptr;
    QTreeWidget *m_list = nullptr;
    QCheckBox *m_checkEnable = nullptr;
    QLineEdit *m_editMessage = nullptr;
    GbkLimitValidator *m_messageLimit = nullptr;
    bool m_bEnable = false;
    QString m_strMessage;
    int m_nSelectionMark = -1;
};
