// FieldModel: the segment layout, composed text, current segment and keystroke rules of a masked field,
// without a window.
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

// The keys that the field rules tell apart; every other key is Other.
enum class FieldKey { Back, Delete, Left, Right, Up, Down, Space, Other };

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
    bool Setup(QStringList templates, QStringList separators, QString prefix, QString suffix);
    // Replaces every segment text, each cut to its width; refuses fewer texts than segments.
    bool SetSegmentTexts(QStringList texts);
    // Makes a segment current; refuses an index that is not a segment.
    bool SelectSegment(int nIndex);
    int GetCurrentSegment() const { return m_nCurrent; }
    int GetSegmentCount() const { return m_nCount; }
    SegmentRange GetRange(int nIndex) const { return m_ranges.at(nIndex); }
    // The range of the current segment, or an empty range at 0 before a layout is installed.
    SegmentRange GetCurrentRange() const;
    // The whole text: prefix, segments joined by their separators, suffix.
    QString ComposeText() const;

    // A key pressed in the field. The base rules move the current segment: Space and Right to the next,
    // Left to the previous, both wrapping around.
    virtual void OnKeyDown(FieldKey key);
    // A character typed into the field; the base rules take none.
    virtual void OnChar(char32_t ch);
    // A click nearest to character position nCharPos: the segment there becomes current, a separator
    // and a segment's end counting to the segment after it.
    void OnLButtonDown(int nCharPos);

private:
    QString GapSeparator(int nGap) const;

    std::vector<SegmentRange> m_ranges;
    QStringList m_separators;
    std::vector<int> m_widths;
    QStringList m_segmentTexts;
    QString m_strPrefix;
    QString m_strSuffix;
    int m_nCount = 0;
    int m_nCurrent = -1;
};
