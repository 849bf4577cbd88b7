// Page base of the settings sheet: dialog units, first-show construction, the modified flag.
#include "settings/PropertyPage.h"

#include <QFontMetrics>
#include <QShowEvent>

#include "settings/MyPropertySheet.h"
#include "core/sheet/PageRules.h"

namespace {

// Dialog base units of a font: the average width of the Latin letters and the line height.
QSize DialogBaseUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

} // namespace

CPropertyPage::CPropertyPage(const QString &caption, QSize templateSize, QWidget *parent)
    : QWidget(parent), m_strCaption(caption)
{
    setFont(DialogFont());
    m_sizeBase = DialogBaseUnits(font());
    setMinimumSize(Dlu(0, 0, templateSize.width(), templateSize.height()).size());
}

CPropertyPage::~CPropertyPage() = default;

QFont CPropertyPage::DialogFont()
{
    return QFont(QStringLiteral("宋体"), 9);
}

bool CPropertyPage::OnApply()
{
    return true;
}

void CPropertyPage::SetModified(bool bChanged)
{
    if (m_bModified == bChanged)
        return;
    m_bModified = bChanged;
    emit modifiedChanged(bChanged);
}

void CPropertyPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_bCreated)
        return;
    m_bCreated = true;
    OnInitDialog();
    // Widgets made while the page is being shown are not shown with it; show all but the hidden.
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
            child->show();
    }
    emit created();
}

void CPropertyPage::OnInitDialog()
{
}

ClockAccess *CPropertyPage::GetClockWnd() const
{
    const auto *sheet = qobject_cast<const CMyPropertySheet *>(window());
    return sheet ? sheet->m_pClockWnd : nullptr;
}

QRect CPropertyPage::Dlu(int x, int y, int cx, int cy) const
{
    const core::Rect pixels = DialogUnitsToPixels({x, y, cx, cy}, {m_sizeBase.width(), m_sizeBase.height()});
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}
