// CMyPropertySheet: the modal settings dialog with the About, Display and Time reminders tabs.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

#include "settings/MyPropertyPage1.h"
#include "settings/MyPropertyPage2.h"
#include "settings/MyPropertyPage3.h"
#include "settings/MyPropertyPage4.h"
#include "settings/MyPropertyPage5.h"

class QDialogButtonBox;
class QPushButton;
class QTabWidget;
class ClockAccess;

class CMyPropertySheet : public QDialog
{
    Q_OBJECT

public:
    // Builds the sheet on the About tab; the caller sets m_pClockWnd before DoModal. `owner` is
    // the window the sheet is modal to.
    explicit CMyPropertySheet(QWidget *owner = nullptr);
    ~CMyPropertySheet() override;

    // Places the sheet beside the clock and runs it modal to its owner alone: the owner takes no
    // input meanwhile, the program's other windows do. Returns QDialog::Accepted or Rejected.
    int DoModal();

    // Places the sheet: at the clock's left edge, 100 pixels below its top, inside the screen at
    // the right and bottom.
    void OnInitDialog();

    QTabWidget *TabWidget() const { return m_tabs; }
    QPushButton *ApplyButton() const;

    ClockAccess *m_pClockWnd = nullptr;
    CMyPropertyPage1 m_page1;
    CMyPropertyPage2 m_page2;
    CMyPropertyPage3 m_page3;
    CMyPropertyPage4 m_page4;
    CMyPropertyPage5 m_page5;

protected:
    // Takes the page keys of every widget of the sheet (see OnTabKey).
    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void OnOK();
    void OnApplyNow();
    void OnPageModified();

private:
    void AddPage(CPropertyPage &page);
    void OnPageCreated(CPropertyPage *page);
    // OnApply of every created page; false when one of them refused.
    bool ApplyPages();
    void PlaceWhenFramed();
    // Switches tabs for Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgUp and Ctrl+PgDn; false for other keys.
    bool OnTabKey(const QKeyEvent &event);

    QPointer<QWidget> m_pOwner;
    QList<CPropertyPage *> m_arrPages;
    QTabWidget *m_tabs = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    bool m_bPlaceWhenFramed = false;
};
