// CFieldEdit: the masked field control; it shows its field's text with the current segment selected
// and passes keys, characters and clicks to the field engine in core instead of editing the text itself.
#pragma once

#include <memory>

#include "fieldedit/ColorEdit.h"
#include "core/fieldedit/FieldModel.h"

class CFieldEdit : public CColorEdit
{
    Q_OBJECT

public:
    ~CFieldEdit() override = 0;

    bool Setup(QStringList templates, QStringList separators, QString prefix, QString suffix);
    bool SetSegmentTexts(QStringList texts);
    bool SelectSegment(int nIndex);
    int GetCurrentSegment() const;
    // Writes the composed text into the control and selects the current segment.
    void Redraw();

protected:
    CFieldEdit(std::unique_ptr<core::FieldModel> pModel, QWidget *parent);

    core::FieldModel &Model();
    const core::FieldModel &Model() const;

    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void SelectCurrent();

    std::unique_ptr<core::FieldModel> m_pModel;
};
