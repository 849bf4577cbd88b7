// Number reading and formatting shared by the field kinds.
#include "fieldedit/TextNumber.h"

#include <climits>

int LeadingInteger(const QString &strText)
{
    qsizetype i = 0;
    const qsizetype n = strText.size();
    while (i < n && (strText[i] == u' ' || (strText[i] >= u'\t' && strText[i] <= u'\r')))
        ++i;
    bool bNegative = false;
    if (i < n && (strText[i] == u'-' || strText[i] == u'+')) {
        bNegative = strText[i] == u'-';
        ++i;
    }
    qint64 nValue = 0;
    for (; i < n && strText[i] >= u'0' && strText[i] <= u'9'; ++i) {
        if (nValue <= INT_MAX)
            nValue = nValue * 10 + (strText[i].unicode() - u'0');
    }
    if (bNegative)
        nValue = -nValue;
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(nValue);
}

QString FormatInt(const char *pszFormat, const CNumberSegment &segment)
{
    return QString::asprintf(pszFormat, static_cast<int>(segment.GetValue()));
}
