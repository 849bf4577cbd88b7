// The field controls: the time of day (CTimeEdit) and the eight further kinds, each a CFieldEdit over
// its field rules in core, usable on its own or over a dialog's edit control.
#pragma once

#include <string>

#include "core/fieldedit/FieldKinds.h"
#include "core/fieldedit/TimeField.h"
#include "fieldedit/FieldEdit.h"

// A field control over the rules of `Field`.
template <typename Field>
class CFieldKindEdit : public CFieldEdit
{
protected:
    CFieldKindEdit() : CFieldEdit(std::make_unique<Field>()) {}

    Field &Rules() { return static_cast<Field &>(Model()); }
    const Field &Rules() const { return static_cast<const Field &>(Model()); }
    // Shows the value after a change the rules took; passes on their answer.
    bool Shown(bool bTaken)
    {
        if (bTaken)
            Redraw();
        return bTaken;
    }
};

// HH:MM:SS, starting at 00:00:00 with the hour current.
class CTimeEdit : public CFieldKindEdit<core::TimeField>
{
public:
    // Sets the time from a text ending in HH:MM:SS (or HH MM SS). False, changing nothing, when the
    // text holds no time; a number outside its segment's range leaves that segment as it was.
    bool SetTime(const std::wstring &strTime) { return Shown(Rules().SetTime(ToU16(strTime))); }
    void GetTime(int &nHour, int &nMinute, int &nSecond) const { Rules().GetTime(nHour, nMinute, nSecond); }
};

class CTextNumberEdit : public CFieldKindEdit<core::TextNumberField>
{
public:
    std::wstring GetText() const { return FromU16(Rules().GetText()); }
    int GetNumber() const { return Rules().GetNumber(); }
    bool SetValue(const std::wstring &strText, int nNumber) { return Shown(Rules().SetValue(ToU16(strText), nNumber)); }
};

class CYearMonthEdit : public CFieldKindEdit<core::YearMonthField>
{
public:
    int GetYear() const { return Rules().GetYear(); }
    // 0 for January.
    int GetMonthIndex() const { return Rules().GetMonthIndex(); }
    bool SetValue(int nYear, int nMonthIndex) { return Shown(Rules().SetValue(nYear, nMonthIndex)); }
};

// The two kinds of two numbers: 00/00 and 000-00.
template <typename Field>
class CNumberPairKindEdit : public CFieldKindEdit<Field>
{
public:
    int GetFirst() const { return this->Rules().GetFirst(); }
    int GetSecond() const { return this->Rules().GetSecond(); }
    bool SetValue(int nFirst, int nSecond) { return this->Shown(this->Rules().SetValue(nFirst, nSecond)); }
};

class CNumberPairEdit : public CNumberPairKindEdit<core::NumberPairField>
{
};

class CNumber32Edit : public CNumberPairKindEdit<core::Number32Field>
{
};

class CMonthDayEdit : public CFieldKindEdit<core::MonthDayField>
{
public:
    std::wstring GetMonthName() const { return FromU16(Rules().GetMonthName()); }
    int GetMonthIndex() const { return Rules().GetMonthIndex(); }
    int GetDay() const { return Rules().GetDay(); }
    bool SetValue(int nMonthIndex, int nDay) { return Shown(Rules().SetValue(nMonthIndex, nDay)); }
};

// The two digit-group kinds: (000) 000-0000 and 000-00-0000.
template <typename Field>
class CDigitGroupsEdit : public CFieldKindEdit<Field>
{
public:
    std::wstring GetDigits() const { return FromU16(this->Rules().GetDigits()); }
    bool SetDigits(const std::wstring &strDigits) { return this->Shown(this->Rules().SetDigits(ToU16(strDigits))); }
};

class CDigits334Edit : public CDigitGroupsEdit<core::Digits334Field>
{
};

class CDigits324Edit : public CDigitGroupsEdit<core::Digits324Field>
{
};

class CRealPairEdit : public CFieldKindEdit<core::RealPairField>
{
public:
    double GetFirst() const { return Rules().GetFirst(); }
    double GetSecond() const { return Rules().GetSecond(); }
    bool SetValue(double dFirst, double dSecond) { return Shown(Rules().SetValue(dFirst, dSecond)); }
};
