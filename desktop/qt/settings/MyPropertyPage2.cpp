// The Display page: two lists of skin names, preselected from the running clock.
#include "settings/MyPropertyPage2.h"

#include <QComboBox>
#include <QLabel>

#include "settings/ClockAccess.h"

namespace {

QComboBox *MakeStyleList(QWidget *parent, const QRect &rect, const char *name)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(false);
    combo->setGeometry(rect.x(), rect.y(), rect.width(), combo->sizeHint().height());
    return combo;
}

} // namespace

CMyPropertyPage2::CMyPropertyPage2(QWidget *parent)
    : CPropertyPage(QStringLiteral("显示"), QSize(215, 95), parent)
{
}

CMyPropertyPage2::~CMyPropertyPage2() = default;

void CMyPropertyPage2::OnInitDialog()
{
    (new QLabel(QStringLiteral("背景样式:"), this))->setGeometry(Dlu(20, 15, 44, 10));
    (new QLabel(QStringLiteral("时钟样式:"), this))->setGeometry(Dlu(20, 34, 44, 10));
    m_comboBackground = MakeStyleList(this, Dlu(76, 13, 88, 72), "background");
    m_comboClockStyle = MakeStyleList(this, Dlu(76, 31, 88, 72), "clockStyle");

    int nBackground = -1;
    int nClockStyle = -1;
    if (const ClockAccess *clock = GetClockWnd()) {
        m_comboBackground->addItems(clock->BackgroundNames());
        m_comboClockStyle->addItems(clock->DigitNames());
        const auto utf8 = [](const QStringList &names) {
            std::vector<std::string> list;
            for (const QString &name : names)
                list.push_back(name.toStdString());
            return list;
        };
        nBackground = PreselectIndex(utf8(clock->BackgroundNames()), clock->CurrentBackground().toStdString());
        nClockStyle = PreselectIndex(utf8(clock->DigitNames()), clock->CurrentDigits().toStdString());
    }
    m_comboBackground->setCurrentIndex(nBackground);
    m_comboClockStyle->setCurrentIndex(nClockStyle);
    m_choice = SkinChoice(nBackground, nClockStyle);

    connect(m_comboBackground, &QComboBox::activated, this, &CMyPropertyPage2::OnSelendokStyle);
    connect(m_comboClockStyle, &QComboBox::activated, this, &CMyPropertyPage2::OnSelendokStyle);
}

void CMyPropertyPage2::OnSelendokStyle()
{
    m_choice.OnSelect(m_comboBackground->currentIndex(), m_comboClockStyle->currentIndex());
    if (m_choice.IsChanged())
        SetModified(true);
}

bool CMyPropertyPage2::OnApply()
{
    ClockAccess *clock = GetClockWnd();
    if (clock && m_choice.Apply(m_comboBackground->currentIndex(), m_comboClockStyle->currentIndex())) {
        clock->SaveSkin(m_comboBackground->currentText(), m_comboClockStyle->currentText());
        clock->SetRestart();
    }
    return CPropertyPage::OnApply();
}
