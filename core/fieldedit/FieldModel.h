// FieldModel: the segment layout, composed text, current segment and keystroke rules of a masked field,
// without a window. Texts are UTF-16, as the edit controls of the front ends hold them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// The keys that the field rules tell apart. A front end maps its own key codes to these; every key
// not listed is Other, and Home, End and Other only select the current segment again.
enum class FieldKey { Back, Delete, Left, Right, Up, Down, Space, Home, End, Other };

struct SegmentRange
{
    int nStart = 0; // first character of the segment
    int nEnd = 0;   // one past its last character
};

class FieldModel
{
public:
    FieldModel() = default;
    virtual ~FieldModel() = default;

    FieldModel(const FieldModel &) = delete;
    FieldModel &operator=(const FieldModel &) = delete;

    // Installs the layout: one template per segment (its width), one separator for every gap or one
    // per gap, and the texts around the segments. Refuses, changing nothing, fewer than two templates,
    // no separator, a separator count that fits neither form, or an empty template.
    bool Setup(std::vector<std::u16string> templates, std::vector<std::u16string> separators,
               std::u16string prefix, std::u16string suffix);
    // Replaces every segment text, each cut to its width; refuses fewer texts than segments.
    bool SetSegmentTexts(std::vector<std::u16string> texts);
    // Makes a segment current; refuses an index that is not a segment.
    bool SelectSegment(int nIndex);
    int GetCurrentSegment() const { return m_nCurrent; }
    int GetSegmentCount() const { return m_nCount; }
    SegmentRange GetRange(int nIndex) const { return m_ranges.at(nIndex); }
    // The range of the current segment, or an empty range at 0 before a layout is installed.
    SegmentRange GetCurrentRange() const;
    // The whole text: prefix, segments joined by their separators, suffix.
    std::u16string ComposeText() const;

    // A key pressed in the field. The base rules move the current segment: Space and Right to the next,
    // Left to the previous, both wrapping around.
    virtual void OnKeyDown(FieldKey key);
    // A character typed into the field; the base rules take none.
    virtual void OnChar(char32_t ch);
    // A click nearest to character position nCharPos: the segment there becomes current, a separator
    // and a segment's end counting to the segment after it.
    void OnLButtonDown(int nCharPos);

private:
    const std::u16string &GapSeparator(int nGap) const;

    std::vector<SegmentRange> m_ranges;
    std::vector<std::u16string> m_separators;
    std::vector<int> m_widths;
    std::vector<std::u16string> m_segmentTexts;
    std::u16string m_strPrefix;
    std::u16string m_strSuffix;
    int m_nCount = 0;
    int m_nCurrent = -1;
};

// One key press as the edit control receives it: the key goes to the field, then the characters it
// typed. Backspace types the backspace character, Delete types nothing, and of the typed text only
// characters a field may take are passed on. A key held with a command modifier (Ctrl, Alt, the
// system key) types nothing, so that shortcuts such as paste leave the field as it was.
void PressKey(FieldModel &field, FieldKey key, std::u16string_view typed, bool bCommand = false);

// Characters that reach the field apart from their key, as an edit control's character messages and
// an input method's text do: the backspace character and the characters a field may take go on, the
// others are dropped. Characters typed with a command modifier held are all dropped.
void TypeText(FieldModel &field, std::u16string_view typed, bool bCommand = false);

} // namespace core
