// CFieldEdit: the masked field control; it shows its field's text with the current segment selected
// and passes keys, characters, input-method text and clicks to the field engine in core instead of
// editing the text itself.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/fieldedit/FieldModel.h"
#include "fieldedit/ColorEdit.h"

class CFieldEdit : public CColorEdit
{
public:
    ~CFieldEdit() override = 0;

    bool Setup(std::vector<std::wstring> templates, std::vector<std::wstring> separators, std::wstring prefix,
               std::wstring suffix);
    bool SetSegmentTexts(std::vector<std::wstring> texts);
    bool SelectSegment(int nIndex);
    int GetCurrentSegment() const;
    // Writes the composed text into the control and selects the current segment.
    void Redraw();

    // The key a virtual-key code stands for in the field's rules.
    static core::FieldKey ToFieldKey(WPARAM nVirtKey);

protected:
    explicit CFieldEdit(std::unique_ptr<core::FieldModel> pModel);

    core::FieldModel &Model() { return *m_pModel; }
    const core::FieldModel &Model() const { return *m_pModel; }

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void OnAttached() override;

private:
    void OnKeyDown(WPARAM nVirtKey);
    void OnChar(std::u16string_view typed);
    void OnLButtonDown(WPARAM wParam, LPARAM lParam);
    void OnImeComposition(LPARAM lParam);
    void SelectCurrent();

    std::unique_ptr<core::FieldModel> m_pModel;
};

// UTF-16 texts of Win32 and of the field engine.
std::u16string ToU16(std::wstring_view text);
std::wstring FromU16(std::u16string_view text);
