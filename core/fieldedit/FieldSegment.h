// The value objects behind the segments of a masked field: the segment interfaces, integer, real, name
// and text segments. Texts are UTF-16, as the edit controls of the front ends hold them.
#pragma once

#include <string>
#include <vector>

namespace core {

// True for a character a field's text may take: a character of the Basic Multilingual Plane that is
// neither a control, a surrogate, private use, a noncharacter nor an invisible format character.
bool IsTypeable(char32_t ch);

class CFieldSegment
{
public:
    virtual ~CFieldSegment() = default;

    // Offers a typed character; true when the segment took it.
    virtual bool AcceptChar(char32_t ch) = 0;
    virtual void Reset() = 0;
};

class CNumberSegment : public CFieldSegment
{
public:
    virtual void Increment() = 0;
    virtual void Decrement() = 0;
    virtual double GetValue() const = 0;

    bool IsGreater(double x) const { return GetValue() > x; }
    bool IsLess(double x) const { return GetValue() < x; }
    bool IsGreaterOrEqual(double x) const { return GetValue() >= x; }
    bool IsLessOrEqual(double x) const { return GetValue() <= x; }
    bool IsEqual(double x) const { return GetValue() == x; }
};

// An integer between a minimum and a maximum, stepped with wrap-around and typed digit by digit.
class CIntSegment final : public CNumberSegment
{
public:
    CIntSegment(int nMinimum, int nMaximum, int nStep);

    // Digits build up the value; a digit that would pass the maximum starts the digits again,
    // and one that passes it even alone is refused. "-" negates when the range has negatives.
    bool AcceptChar(char32_t ch) override;
    // The value becomes the minimum; the typed digits stay.
    void Reset() override;
    void Increment() override;
    void Decrement() override;
    double GetValue() const override;

    // Ignores a value outside the range.
    void SetValue(int nValue);
    int GetMinimum() const { return m_nMinimum; }
    int GetMaximum() const { return m_nMaximum; }

private:
    int m_nStep;
    bool m_bNegative = false;
    bool m_bNegativesAllowed;
    int m_nValue = 0;
    std::u16string m_strTyped;
    int m_nMinimum;
    int m_nMaximum;
};

// A real number between a minimum and a maximum, kept rounded to a number of decimals. Typing builds
// the number from digits and one point ("12.5"), no more decimals than kept; a character that would
// pass the range starts the typed text again, one that passes it even alone is refused. "-" negates
// when the range has negatives. Stepping wraps around like the integer segment's. After the value is
// set or stepped, typing starts afresh with the sign of the value.
class CRealSegment final : public CNumberSegment
{
public:
    CRealSegment(double dMinimum, double dMaximum, double dStep, int nDecimals);

    bool AcceptChar(char32_t ch) override;
    // The value becomes the minimum; the typed text stays.
    void Reset() override;
    void Increment() override;
    void Decrement() override;
    double GetValue() const override;

    // Ignores a value outside the range (or not a number); otherwise rounds it, a half upwards.
    void SetValue(double x);

private:
    double Rounded(double x) const;

    bool m_bSign = false;
    int m_nDecimals;
    double m_dValue = 0.0;
    std::u16string m_strTyped;
    double m_dMinimum;
    double m_dMaximum;
    double m_dStep;
};

// One name out of a list. A typed character extends the typed text while some name starts with it
// (letters compared without case, first match in the list); otherwise the character alone picks the
// next name after the current one that starts with it, so repeating a letter runs through its names.
// A character that starts no name is refused.
class CNameSegment final : public CFieldSegment
{
public:
    explicit CNameSegment(std::vector<std::u16string> names);

    bool AcceptChar(char32_t ch) override;
    // Back to the first name, typed text emptied.
    void Reset() override;
    // The current name; empty when the list is.
    virtual std::u16string GetText() const;

    std::u16string SelectNext();
    std::u16string SelectPrevious();
    // Empties the typed text and makes the first equal name current; no equal name changes nothing.
    void SelectName(const std::u16string &strName);
    int GetIndex() const { return m_nIndex; }
    // Makes the name at nIndex current; false for a position outside the list.
    bool SelectIndex(int nIndex);

private:
    int FindStartingWith(const std::u16string &strPrefix, int nFrom) const;

    std::u16string m_strTyped;
    int m_nIndex = 0;
    std::vector<std::u16string> m_names;
};

// Free text up to a fixed length: printable characters are appended while there is room, the
// backspace character removes the last one.
class CTextSegment final : public CFieldSegment
{
public:
    explicit CTextSegment(int nMaxLength);

    bool AcceptChar(char32_t ch) override;
    // Empties the text.
    void Reset() override;
    virtual std::u16string GetText() const;

    // Refuses, changing nothing, a text that is too long or holds a character that could not be typed.
    bool SetText(const std::u16string &strText);

private:
    std::u16string m_strText;
    int m_nMaxLength;
};

} // namespace core
