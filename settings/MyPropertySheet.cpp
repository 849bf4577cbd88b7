// The settings sheet: tabs, standard buttons, applying the pages and placement beside the clock.
#include "settings/MyPropertySheet.h"

#include <utility>

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
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

    // Keys the pages' controls leave alone pass the tab widget on their way to the sheet.
    m_tabs->installEventFilter(this);
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
    // Modal to its owner alone (the clock window): other windows of the program stay usable.
    setWindowModality(Qt::WindowModal);
    OnInitDialog();
    m_bPlaceWhenFramed = true;
    return exec();
}

bool CMyPropertySheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tabs && event->type() == QEvent::KeyPress && OnTabKey(*static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CMyPropertySheet::keyPressEvent(QKeyEvent *event)
{
    if (!OnTabKey(*event))
        QDialog::keyPressEvent(event);
}

bool CMyPropertySheet::OnTabKey(const QKeyEvent &event)
{
    // Ctrl+Tab and Ctrl+PgDn go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the previous
    // one, round from the last to the first and back.
    if (!(event.modifiers() & Qt::ControlModifier))
        return false;
    int nStep = 0;
    if (event.key() == Qt::Key_Tab)
        nStep = event.modifiers() & Qt::ShiftModifier ? -1 : 1;
    else if (event.key() == Qt::Key_Backtab || event.key() == Qt::Key_PageUp)
        nStep = -1;
    else if (event.key() == Qt::Key_PageDown)
        nStep = 1;
    const int nCount = m_tabs->count();
    if (nStep == 0 || nCount == 0)
        return false;
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + nStep + nCount) % nCount);
    return true;
}

void CMyPropertySheet::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    PlaceWhenFramed();
}

void CMyPropertySheet::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    PlaceWhenFramed();
}

void CMyPropertySheet::PlaceWhenFramed()
{
    // The window manager adds the frame only after the sheet is shown; it is placed again, once,
    // when the frame is known, so that the whole frame lies on the screen.
    if (!m_bPlaceWhenFramed || frameGeometry() == geometry())
        return;
    m_bPlaceWhenFramed = false;
    OnInitDialog();
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
