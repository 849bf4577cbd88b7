// The About page, laid out as its dialog template.
#include "settings/MyPropertyPage1.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "core/sheet/PageRules.h"

CMyPropertyPage1::CMyPropertyPage1(QWidget *parent)
    : CPropertyPage(QStringLiteral("关于"), QSize(215, 95), parent)
{
}

CMyPropertyPage1::~CMyPropertyPage1() = default;

void CMyPropertyPage1::OnInitDialog()
{
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    const QRect iconRect = Dlu(168, 59, 20, 20);
    icon->setGeometry(QRect(iconRect.topLeft(), QSize(32, 32)));
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    auto *product = new QLabel(QString::fromStdString(ProductTitle()), this);
    product->setObjectName(QStringLiteral("product"));
    product->setTextFormat(Qt::PlainText);
    product->setGeometry(Dlu(9, 10, 119, 9));

    // The maker publishes no address, so the contact line names none.
    auto *contact = new QLabel(QStringLiteral("Email:"), this);
    contact->setObjectName(QStringLiteral("contact"));
    contact->setGeometry(Dlu(9, 25, 119, 9));

    auto *blank = new QLabel(QString(10, QLatin1Char(' ')), this);
    blank->setTextFormat(Qt::PlainText);
    blank->setGeometry(Dlu(9, 42, 131, 9));

    // Kept from the template but never shown: there is no homepage to open.
    auto *homepage = new QPushButton(QStringLiteral("主页"), this);
    homepage->setObjectName(QStringLiteral("homepage"));
    homepage->setGeometry(Dlu(149, 7, 50, 15));
    homepage->setFocusPolicy(Qt::NoFocus);
    homepage->setVisible(false);
}
