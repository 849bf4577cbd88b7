// CFieldEdit: the masked field control; it shows its field's text with the current segment selected
// and passes keys, characters and clicks to the field rules instead of editing the text itself.
#pragma once

#include <memory>

#include "fieldedit/ColorEdit.h"
#include "fieldedit/FieldModel.h"

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
    CFieldEdit(std::unique_ptr<FieldModel> pModel, QWidget *parent);

    FieldModel &Model();
    const FieldModel &Model() const;

    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void SelectCurrent();

    std::unique_ptr<FieldModel> m_pModel;
};
