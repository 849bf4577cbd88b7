// Widget tests of the further field kinds with real key events: the text shown and the segment
// selected after each key script.
#include <functional>
#include <memory>

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

namespace {

template <typename Edit>
std::function<QLineEdit *()> Make()
{
    return [] { return new Edit; };
}

} // namespace

Q_DECLARE_METATYPE(std::function<QLineEdit *()>)

class FieldKindsEditTest : public QObject
{
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<std::function<QLineEdit *()>>("make");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selection");
        const auto row = [](const char *name, std::function<QLineEdit *()> make, const char *keys, const char *text,
                            const char *selection) {
            QTest::newRow(name) << make << QString::fromUtf8(keys) << QString::fromUtf8(text) << QString::fromUtf8(selection);
        };
        row("text number", Make<CTextNumberEdit>(), "Hi there{Back}{Right}42", "Hi ther      0042", "13+4");
        row("year carries", Make<CYearMonthEdit>(), "2024{Right}11{Up}", "2025-00", "5+2");
        row("pair", Make<CNumberPairEdit>(), "12{Right}34{Del}{Back}", "12/01", "3+2");
        row("month day", Make<CMonthDayEdit>(), "ju{Down}{Del}{Up}{Right}29", "February  29", "10+2");
        row("number32 back", Make<CNumber32Edit>(), "123{Right}45{Back}{Left}{Down}", "122-00", "0+3");
        row("334", Make<CDigits334Edit>(), "555{Right}123{Space}4567", "(555) 123-4567", "10+4");
        row("324 advances twice", Make<CDigits324Edit>(), "12345", "123-45-0000", "7+4");
        row("real second", Make<CRealPairEdit>(), "-3.45{Right}{Down}{Down}", "(-0003.45,-0002.00)", "10+8");
    }

    void keys()
    {
        QFETCH(std::function<QLineEdit *()>, make);
        QFETCH(QString, keys);
        const std::unique_ptr<QLineEdit> edit(make());
        QVERIFY(ShowFocused(*edit));
        PressKeys(*edit, keys);
        QTEST(edit->text(), "text");
        QTEST(Selection(*edit), "selection");
    }

    void setValueShowsTheRoundedValue()
    {
        CRealPairEdit edit;
        QVERIFY(ShowFocused(edit));
        QVERIFY(edit.SetValue(-3.456, 2.125));
        QCOMPARE(edit.text(), QStringLiteral("(-0003.46, 0002.13)"));
        QCOMPARE(edit.GetFirst(), -3.46);
    }
};

QTEST_MAIN(FieldKindsEditTest)
#include "FieldKindsEditTest.moc"
