// The settings sheet: tabs, standard buttons, applying the pages and placement beside the clock.
#include "settings/MyPropertySheet.h"

#include <utility>

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/ClockAccess.h"
#include "settings/PageRules.h"

CMyPropertySheet::CMyPropertySheet(QWidget *parent)
    : QDialog(parent)
{
    setFont(CPropertyPage::DialogFont());
    m_tabs = new QTabWidget(this);
    m_buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    ApplyButton()->setText(QStringLiteral("应用(&A)"));
    ApplyButton()->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, &CMyPropertySheet::OnOK);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ApplyButton(), &QPushButton::clicked, this, &CMyPropertySheet::OnApplyNow);

    AddPage(m_page1);
    AddPage(m_page2);
    AddPage(m_page3);
    m_tabs->setCurrentIndex(0);
    setWindowTitle(ProductTitle());
}

CMyPropertySheet::~CMyPropertySheet()
{
    // The pages are members: take them out of the tabs first, so that none is shown as the
    // others go.
    for (CPropertyPage *page : std::as_const(m_arrPages))
        page->setParent(nullptr);
}

int CMyPropertySheet::DoModal()
{
    OnInitDialog();
    return exec();
}

void CMyPropertySheet::OnInitDialog()
{
    if (!m_pClockWnd)
        return;
    adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    move(PlaceSheet(m_pClockWnd->ClockPosition(), frameGeometry().size(), area));
}

QPushButton *CMyPropertySheet::ApplyButton() const
{
    return m_buttons->button(QDialogButtonBox::Apply);
}

void CMyPropertySheet::OnOK()
{
    if (ApplyPages())
        accept();
}

void CMyPropertySheet::OnApplyNow()
{
    ApplyPages();
}

void CMyPropertySheet::OnPageModified()
{
    bool bAny = false;
    for (const CPropertyPage *page : std::as_const(m_arrPages))
        bAny = bAny || page->IsModified();
    ApplyButton()->setEnabled(bAny);
}

void CMyPropertySheet::OnPageCreated(CPropertyPage *page)
{
    // Widgets made on a page's first showing would come last in the tab order, behind the
    // standard buttons; they go right behind the tabs instead, in the order they were made.
    QWidget *previous = m_tabs->tabBar();
    for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() == Qt::NoFocus)
            continue;
        setTabOrder(previous, child);
        previous = child;
    }
}

void CMyPropertySheet::AddPage(CPropertyPage &page)
{
    m_arrPages.append(&page);
    m_tabs->addTab(&page, page.Caption());
    connect(&page, &CPropertyPage::modifiedChanged, this, &CMyPropertySheet::OnPageModified);
    connect(&page, &CPropertyPage::created, this, [this, &page] { OnPageCreated(&page); });
}

bool CMyPropertySheet::ApplyPages()
{
    for (CPropertyPage *page : std::as_const(m_arrPages)) {
        if (!page->IsCreated())
            continue;
        if (!page->OnApply())
            return false;
        page->SetModified(false);
    }
    return true;
}
