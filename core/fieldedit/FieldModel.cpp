// The masked field's layout, text composition, segment selection, navigation keys and click hit test.
#include "core/fieldedit/FieldModel.h"

#include "core/fieldedit/FieldSegment.h"

namespace core {

bool FieldModel::Setup(std::vector<std::u16string> templates, std::vector<std::u16string> separators,
                       std::u16string prefix, std::u16string suffix)
{
    const std::size_t nTemplates = templates.size();
    if (nTemplates < 2 || separators.empty())
        return false;
    if (separators.size() > 1 && separators.size() != nTemplates - 1)
        return false;
    for (const std::u16string &strTemplate : templates) {
        if (strTemplate.empty())
            return false;
    }

    m_strPrefix = std::move(prefix);
    m_strSuffix = std::move(suffix);
    m_nCount = static_cast<int>(nTemplates);
    m_nCurrent = 0;
    m_separators = std::move(separators);
    m_widths.clear();
    for (const std::u16string &strTemplate : templates)
        m_widths.push_back(static_cast<int>(strTemplate.size()));
    m_segmentTexts = std::move(templates);

    m_ranges.assign(m_nCount, SegmentRange{});
    m_ranges[0].nStart = static_cast<int>(m_strPrefix.size());
    m_ranges[0].nEnd = m_ranges[0].nStart + m_widths[0];
    for (int k = 1; k < m_nCount; ++k) {
        m_ranges[k].nStart = m_ranges[k - 1].nEnd + static_cast<int>(GapSeparator(k).size());
        m_ranges[k].nEnd = m_ranges[k].nStart + m_widths[k];
    }
    return true;
}

bool FieldModel::SetSegmentTexts(std::vector<std::u16string> texts)
{
    if (texts.size() < static_cast<std::size_t>(m_nCount))
        return false;
    for (int i = 0; i < m_nCount; ++i)
        m_segmentTexts[i] = texts[i].substr(0, static_cast<std::size_t>(m_widths[i]));
    return true;
}

bool FieldModel::SelectSegment(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return false;
    m_nCurrent = nIndex;
    return true;
}

SegmentRange FieldModel::GetCurrentRange() const
{
    if (m_nCurrent < 0)
        return SegmentRange{};
    return m_ranges[m_nCurrent];
}

std::u16string FieldModel::ComposeText() const
{
    std::u16string strText = m_strPrefix;
    for (int i = 0; i < m_nCount; ++i) {
        strText += m_segmentTexts[i];
        if (i < m_nCount - 1)
            strText += GapSeparator(i + 1);
    }
    strText += m_strSuffix;
    return strText;
}

void FieldModel::OnKeyDown(FieldKey key)
{
    if (m_nCount == 0)
        return;
    if (key == FieldKey::Space || key == FieldKey::Right)
        m_nCurrent = m_nCurrent < m_nCount - 1 ? m_nCurrent + 1 : 0;
    else if (key == FieldKey::Left)
        m_nCurrent = m_nCurrent > 0 ? m_nCurrent - 1 : m_nCount - 1;
}

void FieldModel::OnChar(char32_t)
{
}

void FieldModel::OnLButtonDown(int nCharPos)
{
    if (m_nCount == 0)
        return;
    const int n = m_nCount;
    if (nCharPos <= m_ranges[0].nEnd) {
        m_nCurrent = 0;
    } else if (nCharPos >= m_ranges[n - 1].nEnd) {
        m_nCurrent = n - 1;
    } else {
        for (int i = 1; i < n; ++i) {
            if (m_ranges[i - 1].nEnd <= nCharPos && nCharPos <= m_ranges[i].nEnd)
                m_nCurrent = i;
        }
    }
}

const std::u16string &FieldModel::GapSeparator(int nGap) const
{
    return m_separators.size() == 1 ? m_separators[0] : m_separators[nGap - 1];
}

void PressKey(FieldModel &field, FieldKey key, std::u16string_view typed, bool bCommand)
{
    field.OnKeyDown(key);
    if (bCommand)
        return;
    if (key == FieldKey::Back) {
        field.OnChar(U'\b');
    } else if (key != FieldKey::Delete) {
        for (char16_t c : typed) {
            if (IsTypeable(c))
                field.OnChar(c);
        }
    }
}

void TypeText(FieldModel &field, std::u16string_view typed, bool bCommand)
{
    if (bCommand)
        return;
    for (char16_t c : typed) {
        if (c == u'\b' || IsTypeable(c))
            field.OnChar(c);
    }
}

} // namespace core
