// The settings sheet: tabs, standard buttons, applying the pages and placement beside the clock.
#include "settings/MyPropertySheet.h"

#include <utility>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/ClockAccess.h"
#include "core/sheet/PageRules.h"

CMyPropertySheet::CMyPropertySheet(QWidget *owner)
    // No parent window: a dialog transient for a tool window such as the clock brings Weston's
    // desktop shell down (and XWayland with it), so the sheet keeps its owner to itself.
    : QDialog(nullptr), m_pOwner(owner)
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

    // The page keys are taken before any control sees them: a list or a combo box would
    // otherwise use Ctrl+PgUp and Ctrl+PgDn to change its own value.
    QCoreApplication::instance()->installEventFilter(this);
    AddPage(m_page1);
    AddPage(m_page2);
    AddPage(m_page3);
    m_tabs->setCurrentIndex(0);
    setWindowTitle(QString::fromStdString(ProductTitle()));
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
    // Window-modal without a parent blocks no other window; the owner is switched off instead,
    // so reminder popups, the tray icon and its menu stay usable.
    setWindowModality(Qt::WindowModal);
    const QPointer<QWidget> owner = m_pOwner;
    const bool bOwnerEnabled = owner && owner->isEnabled();
    if (owner)
        owner->setEnabled(false);
    OnInitDialog();
    m_bPlaceWhenFramed = true;
    const int result = exec();
    if (owner)
        owner->setEnabled(bOwnerEnabled);
    return result;
}

bool CMyPropertySheet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this && OnTabKey(*static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
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
    const QPoint clock = m_pClockWnd->ClockPosition();
    const QSize sheet = frameGeometry().size();
    const core::Point at = PlaceSheet({clock.x(), clock.y()}, {sheet.width(), sheet.height()},
                                      {area.x(), area.y(), area.width(), area.height()});
    move(at.x, at.y);
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
