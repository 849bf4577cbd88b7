// CFieldEdit: shows the field's composed text with the current segment selected; keys, characters and
// left clicks go to the field engine, and the line edit's own editing, caret, drag selection, word
// selection, paste, drop and context menu are kept out.
#include "fieldedit/FieldEdit.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

using core::FieldKey;

FieldKey ToFieldKey(int nKey)
{
    switch (nKey) {
    case Qt::Key_Backspace:
        return FieldKey::Back;
    case Qt::Key_Delete:
        return FieldKey::Delete;
    case Qt::Key_Left:
        return FieldKey::Left;
    case Qt::Key_Right:
        return FieldKey::Right;
    case Qt::Key_Up:
        return FieldKey::Up;
    case Qt::Key_Down:
        return FieldKey::Down;
    case Qt::Key_Space:
        return FieldKey::Space;
    case Qt::Key_Home:
        return FieldKey::Home;
    case Qt::Key_End:
        return FieldKey::End;
    default:
        return FieldKey::Other;
    }
}

std::vector<std::u16string> ToUtf16(const QStringList &texts)
{
    std::vector<std::u16string> result;
    result.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString &strText : texts)
        result.push_back(strText.toStdU16String());
    return result;
}

} // namespace

CFieldEdit::CFieldEdit(std::unique_ptr<core::FieldModel> pModel, QWidget *parent)
    : CColorEdit(parent), m_pModel(std::move(pModel))
{
    // Read-only keeps the caret hidden and refuses typed, pasted and dropped text; the field changes
    // its text only through Redraw.
    setReadOnly(true);
    setAcceptDrops(false);
    setDragEnabled(false);
    setCursor(Qt::IBeamCursor);
    Redraw();
}

CFieldEdit::~CFieldEdit() = default;

bool CFieldEdit::Setup(QStringList templates, QStringList separators, QString prefix, QString suffix)
{
    if (!m_pModel->Setup(ToUtf16(templates), ToUtf16(separators), prefix.toStdU16String(), suffix.toStdU16String()))
        return false;
    Redraw();
    return true;
}

bool CFieldEdit::SetSegmentTexts(QStringList texts)
{
    if (!m_pModel->SetSegmentTexts(ToUtf16(texts)))
        return false;
    Redraw();
    return true;
}

bool CFieldEdit::SelectSegment(int nIndex)
{
    if (!m_pModel->SelectSegment(nIndex))
        return false;
    SelectCurrent();
    return true;
}

int CFieldEdit::GetCurrentSegment() const
{
    return m_pModel->GetCurrentSegment();
}

void CFieldEdit::Redraw()
{
    setText(QString::fromStdU16String(m_pModel->ComposeText()));
    SelectCurrent();
}

core::FieldModel &CFieldEdit::Model()
{
    return *m_pModel;
}

const core::FieldModel &CFieldEdit::Model() const
{
    return *m_pModel;
}

void CFieldEdit::keyPressEvent(QKeyEvent *event)
{
    const int nKey = event->key();
    // Return and Escape belong to the dialog, as Tab does; so do Ctrl+Tab and Ctrl+PgUp/PgDn,
    // which switch its tabs.
    const bool bTabSwitch = (event->modifiers() & Qt::ControlModifier)
        && (nKey == Qt::Key_Tab || nKey == Qt::Key_Backtab || nKey == Qt::Key_PageUp || nKey == Qt::Key_PageDown);
    if (bTabSwitch || nKey == Qt::Key_Return || nKey == Qt::Key_Enter || nKey == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    const bool bCommand = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    core::PressKey(*m_pModel, ToFieldKey(nKey), event->text().toStdU16String(), bCommand);
    Redraw();
    event->accept();
}

void CFieldEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    SelectCurrent();
}

void CFieldEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pModel->OnLButtonDown(cursorPositionAt(event->position().toPoint()));
        SelectCurrent();
    }
    event->accept();
}

void CFieldEdit::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void CFieldEdit::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void CFieldEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void CFieldEdit::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

void CFieldEdit::SelectCurrent()
{
    if (m_pModel->GetCurrentSegment() < 0)
        return;
    const core::SegmentRange range = m_pModel->GetCurrentRange();
    setSelection(range.nStart, range.nEnd - range.nStart);
}
