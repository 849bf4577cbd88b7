// The value objects behind the segments of a masked field: the segment interfaces and the integer segment.
#pragma once

#include <QString>

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
    virtual bool IsGreater(double x) const = 0;
    virtual bool IsLess(double x) const = 0;
    virtual bool IsGreaterOrEqual(double x) const = 0;
    virtual bool IsLessOrEqual(double x) const = 0;
    virtual bool IsEqual(double x) const = 0;
    virtual double GetValue() const = 0;
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
    bool IsGreater(double x) const override;
    bool IsLess(double x) const override;
    bool IsGreaterOrEqual(double x) const override;
    bool IsLessOrEqual(double x) const override;
    bool IsEqual(double x) const override;
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
    QString m_strTyped;
    int m_nMinimum;
    int m_nMaximum;
};
