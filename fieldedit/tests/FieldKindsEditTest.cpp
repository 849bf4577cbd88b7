// Widget tests of the further field kinds with real key events.
#include <QtTest>

#include "fieldedit/Digits324Edit.h"
#include "fieldedit/Digits334Edit.h"
#include "fieldedit/MonthDayEdit.h"
#include "fieldedit/Number32Edit.h"
#include "fieldedit/NumberPairEdit.h"
#include "fieldedit/RealPairEdit.h"
#include "fieldedit/TextNumberEdit.h"
#include "fieldedit/YearMonthEdit.h"
#include "fieldedit/tests/FieldWidgetSupport.h"

class FieldKindsEditTest : public QObject
{
    Q_OBJECT

private slots:
    void textNumber();
    void yearMonth();
    void numberPair();
    void monthDay();
    void number32();
    void digits334();
    void digits324();
    void realPair();
};

void FieldKindsEditTest::textNumber()
{
    CTextNumberEdit edit;
    QVERIFY(ShowFocused(edit));
    PressKeys(edit, "Hi there{Back}");
    QCOMPARE(edit.text(), QStringLiteral("Hi ther      0000"));
    QCOMPARE(Selection(edit), QStringLiteral("0+12"));
    PressKeys(edit, "{Right}42");
    QCOMPARE(Selection(edit), QStringLiteral("13+4"));
    QCOMPARE(edit.GetNumber(), 42);
    PressKeys(edit, "{Back}");
    QCOMPARE(edit.text(), QStringLiteral("Hi ther      0000"));
    PressKeys(edit, "{Space}{Del}");
    QCOMPARE(edit.text(), QStringLiteral("             0000"));
    QVERIFY(edit.SetValue(QStringLiteral("Plums"), 9));
    QCOMPARE(edit.text(), QStringLiteral("Plums        0009"));
    QCOMPARE(edit.GetText(), QStringLiteral("Plums"));
}

void FieldKindsEditTest::yearMonth()
{
    CYearMonthEdit edit;
    QVERIFY(ShowFocused(edit));
    PressKeys(edit, "2024{Right}11{Up}");
    QCOMPARE(edit.text(), QStringLiteral("2025-00"));
    QCOMPARE(Selection(edit), QStringLiteral("5+2"));
    PressKeys(edit, "{Down}");
    QCOMPARE(edit.GetYear(), 2024);
    QCOMPARE(edit.GetMonthIndex(), 11);
    QVERIFY(edit.SetValue(1970, 0));
    QCOMPARE(edit.text(), QStringLiteral("1970-00"));
}

void FieldKindsEditTest::numberPair()
{
    CNumberPairEdit edit;
    QVERIFY(ShowFocused(edit));
    PressKeys(edit, "12{Right}34{Del}{Back}");
    QCOMPARE(edit.text(), QStringLiteral("12/01"));
    QCOMPARE(Selection(edit), QStringLiteral("3+2"));
    QCOMPARE(edit.GetFirst(), 12);
    QCOMPARE(edit.GetSecond(), 1);
}

void FieldKindsEditTest::monthDay()
{
    CMonthDayEdit edit;
    QVERIFY(ShowFocused(edit));
    QCOMPARE(Selection(edit), QStringLiteral("0+9"));
    PressKeys(edit, "ju{Down}");
    QCOMPARE(edit.text(), QStringLiteral("May       01"));
    PressKeys(edit, "{Del}{Up}{Right}29");
    QCOMPARE(edit.text(), QStringLiteral("February  29"));
    QCOMPARE(Selection(edit), QStringLiteral("10+2"));
    QCOMPARE(edit.GetMonthIndex(), 1);
    QCOMPARE(edit.GetDay(), 29);
}

void FieldKindsEditTest::number32()
{
    CNumber32Edit edit;
    QVERIFY(ShowFocused(edit));
    PressKeys(edit, "123{Right}45");
    QCOMPARE(edit.text(), QStringLiteral("123-45"));
    QCOMPARE(Selection(edit), QStringLiteral("4+2"));
    PressKeys(edit, "{Back}{Left}{Down}");
    QCOMPARE(edit.text(), QStringLiteral("122-00"));
    QCOMPARE(edit.GetFirst(), 122);
}

void FieldKindsEditTest::digits334()
{
    CDigits334Edit edit;
    QVERIFY(ShowFocused(edit));
    QCOMPARE(Selection(edit), QStringLiteral("1+3"));
    PressKeys(edit, "555{Right}123{Space}4567");
    QCOMPARE(edit.text(), QStringLiteral("(555) 123-4567"));
    QCOMPARE(Selection(edit), QStringLiteral("10+4"));
    QCOMPARE(edit.GetDigits(), QStringLiteral("5551234567"));
    QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, PointAtCharPos(edit, 5));
    QCOMPARE(Selection(edit), QStringLiteral("6+3"));
}

void FieldKindsEditTest::digits324()
{
    CDigits324Edit edit;
    QVERIFY(ShowFocused(edit));
    PressKeys(edit, "123");
    QCOMPARE(Selection(edit), QStringLiteral("4+2"));
    PressKeys(edit, "45");
    QCOMPARE(Selection(edit), QStringLiteral("7+4"));
    PressKeys(edit, "67890");
    QCOMPARE(edit.text(), QStringLiteral("123-45-0000"));
    QCOMPARE(Selection(edit), QStringLiteral("7+4"));
    PressKeys(edit, "6789");
    QCOMPARE(edit.GetDigits(), QStringLiteral("123456789"));
}

void FieldKindsEditTest::realPair()
{
    CRealPairEdit edit;
    QVERIFY(ShowFocused(edit));
    PressKeys(edit, "-3.45");
    QCOMPARE(edit.text(), QStringLiteral("(-0003.45, 0000.00)"));
    QCOMPARE(Selection(edit), QStringLiteral("1+8"));
    PressKeys(edit, "{Right}{Down}{Down}");
    QCOMPARE(edit.text(), QStringLiteral("(-0003.45,-0002.00)"));
    QCOMPARE(Selection(edit), QStringLiteral("10+8"));
    PressKeys(edit, "{Del}");
    QCOMPARE(edit.text(), QStringLiteral("(-0003.45, 0000.00)"));
    QVERIFY(edit.SetValue(-3.456, 2.125));
    QCOMPARE(edit.text(), QStringLiteral("(-0003.46, 0002.13)"));
    QCOMPARE(edit.GetFirst(), -3.46);
}

QTEST_MAIN(FieldKindsEditTest)
#include "FieldKindsEditTest.moc"
