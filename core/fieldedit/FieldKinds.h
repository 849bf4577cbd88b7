// The rules of the further masked field kinds, without a window: their segments, formatting,
// characters, keys and whole values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/fieldedit/FieldModel.h"
#include "core/fieldedit/FieldSegment.h"

namespace core {

using FieldTexts = std::vector<std::u16string>;

// A field whose texts are formatted from its segment values after every change.
class FormattedField : public FieldModel
{
public:
    // The current segment takes the character; the texts are formatted again, also after a refusal.
    void OnChar(char32_t ch) override;

protected:
    virtual CFieldSegment &Segment(int nIndex) = 0;
    virtual FieldTexts FormatValues() const = 0;
    void DrawValues();
};

// Numbers of fixed digit counts, each from 0 to all nines and shown with its leading zeros. Up and Down
// step the current number; Backspace and Delete set it to a given value, or change nothing without one.
class DigitGroupsField : public FormattedField
{
public:
    // The current number takes the character; when the field moves on by itself, a number other than
    // the last makes the next one current once it has taken as many characters as it has digits.
    void OnChar(char32_t ch) override;
    void OnKeyDown(FieldKey key) override;

protected:
    DigitGroupsField(std::vector<int> widths, FieldTexts separators, std::u16string prefix, std::optional<int> nBack,
                     std::optional<int> nDelete, bool bMoveOn = false);

    int GetGroup(int nIndex) const { return static_cast<int>(m_groups[nIndex].GetValue()); }
    // Refuses, changing nothing, a count other than the field's or a number too wide for its place.
    bool SetGroups(const std::vector<int> &values);
    // All the digits, leading zeros of every number included.
    std::u16string GetDigits() const;
    // Refuses, changing nothing, anything but exactly as many decimal digits as the field shows.
    bool SetDigits(const std::u16string &strDigits);

    CFieldSegment &Segment(int nIndex) override;
    FieldTexts FormatValues() const override;

private:
    std::vector<int> m_widths;
    std::vector<CIntSegment> m_groups;
    std::vector<int> m_typed; // characters each number has taken since it last moved on or met an edit key
    std::optional<int> m_nBack;
    std::optional<int> m_nDelete;
    bool m_bMoveOn;
};

// A free text of up to 12 characters and a four-digit number: "Apples       0042". The text segment
// takes printable characters and a space (Space does not move on from it), Backspace removes its last
// character and Delete empties it; the number runs 0 to 9999 by 1.
class TextNumberField : public FormattedField
{
public:
    TextNumberField();

    void OnKeyDown(FieldKey key) override;

    std::u16string GetText() const { return m_text.GetText(); }
    int GetNumber() const { return static_cast<int>(m_number.GetValue()); }
    // Refuses, changing nothing, a text longer than 12 characters or with characters that cannot be
    // typed, or a number outside 0 to 9999.
    bool SetValue(const std::u16string &strText, int nNumber);

protected:
    CFieldSegment &Segment(int nIndex) override;
    FieldTexts FormatValues() const override;

private:
    CTextSegment m_text{12};
    CIntSegment m_number{0, 9999, 1};
};

// A year and a month: "2024-05". The year runs 0 to 9999; the month counts 0 (January) to 11
// (December), so that stepping the month past December or before January carries into the year.
// Backspace and Delete change nothing.
class YearMonthField : public FormattedField
{
public:
    YearMonthField();

    void OnKeyDown(FieldKey key) override;

    int GetYear() const { return static_cast<int>(m_year.GetValue()); }
    int GetMonthIndex() const { return static_cast<int>(m_month.GetValue()); }
    // Refuses, changing nothing, a year outside 0 to 9999 or a month outside 0 to 11.
    bool SetValue(int nYear, int nMonthIndex);

protected:
    CFieldSegment &Segment(int nIndex) override;
    FieldTexts FormatValues() const override;

private:
    CIntSegment m_month{0, 11, 1};
    CIntSegment m_year{0, 9999, 1};
};

// Two two-digit numbers, each 0 to 99: "12/34". Delete sets the current one to 1; Backspace changes
// nothing.
class NumberPairField : public DigitGroupsField
{
public:
    NumberPairField();

    int GetFirst() const { return GetGroup(0); }
    int GetSecond() const { return GetGroup(1); }
    // Refuses, changing nothing, a number outside 0 to 99.
    bool SetValue(int nFirst, int nSecond) { return SetGroups({nFirst, nSecond}); }
};

// A month name and a day: "March     07". The names run "January" to "December"; a typed letter
// picks a name by its first letters (M, A, Y gives May; J again and again runs through the J months).
// The day runs 1 to 31 whatever the month. Delete gives "January" or day 1; Backspace changes nothing.
class MonthDayField : public FormattedField
{
public:
    MonthDayField();
    // A field over another list of names, for lists without "January" or without names at all.
    explicit MonthDayField(FieldTexts names);

    void OnChar(char32_t ch) override;
    void OnKeyDown(FieldKey key) override;

    std::u16string GetMonthName() const { return m_month.GetText(); }
    // The position of the current name in the list: 0 for January.
    int GetMonthIndex() const { return m_month.GetIndex(); }
    int GetDay() const { return static_cast<int>(m_day.GetValue()); }
    // Refuses, changing nothing, a month position outside the list or a day outside 1 to 31.
    bool SetValue(int nMonthIndex, int nDay);

protected:
    CFieldSegment &Segment(int nIndex) override;
    FieldTexts FormatValues() const override;

private:
    CIntSegment m_day{1, 31, 1};
    CNameSegment m_month;
};

// A three-digit and a two-digit number, 0 to 999 and 0 to 99: "123-45". Backspace and Delete set the
// current one to 0.
class Number32Field : public DigitGroupsField
{
public:
    Number32Field();

    int GetFirst() const { return GetGroup(0); }
    int GetSecond() const { return GetGroup(1); }
    // Refuses, changing nothing, a number outside its range.
    bool SetValue(int nFirst, int nSecond) { return SetGroups({nFirst, nSecond}); }
};

// Ten digits grouped 3-3-4 as a telephone number: "(555) 123-4567". Backspace and Delete set the
// current group to 0.
class Digits334Field : public DigitGroupsField
{
public:
    Digits334Field();

    // The ten digits, leading zeros of every group included.
    using DigitGroupsField::GetDigits;
    // Refuses, changing nothing, anything but exactly ten decimal digits.
    using DigitGroupsField::SetDigits;
};

// Nine digits grouped 3-2-4: "123-45-6789". Typing moves on by itself after three digits of the first
// group and two of the second. Backspace and Delete set the current group to 0.
class Digits324Field : public DigitGroupsField
{
public:
    Digits324Field();

    // The nine digits, leading zeros of every group included.
    using DigitGroupsField::GetDigits;
    // Refuses, changing nothing, anything but exactly nine decimal digits.
    using DigitGroupsField::SetDigits;
};

// Two signed numbers with two decimals, each -9999.99 to 9999.99: "(-0003.46, 0012.50)". Up and Down
// step by 1; Delete sets the current one to 0; Backspace changes nothing.
class RealPairField : public FormattedField
{
public:
    RealPairField();

    void OnKeyDown(FieldKey key) override;

    double GetFirst() const { return m_first.GetValue(); }
    double GetSecond() const { return m_second.GetValue(); }
    // Rounds both to two decimals; refuses, changing nothing, a number outside the range.
    bool SetValue(double dFirst, double dSecond);

protected:
    CFieldSegment &Segment(int nIndex) override;
    FieldTexts FormatValues() const override;

private:
    CRealSegment m_second{-9999.99, 9999.99, 1.0, 2};
    CRealSegment m_first{-9999.99, 9999.99, 1.0, 2};
};

} // namespace core
