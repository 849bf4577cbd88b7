// CMyPropertyPage2: the Display page, choosing the background and digit skins for the next start.
#pragma once

#include "core/sheet/PageRules.h"
#include "settings/PropertyPage.h"

class QComboBox;

class CMyPropertyPage2 : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CMyPropertyPage2(QWidget *parent = nullptr);
    ~CMyPropertyPage2() override;

    // Writes a changed choice through the clock window and asks for a restart.
    bool OnApply() override;

protected:
    void OnInitDialog() override;

private slots:
    void OnSelendokStyle();

private:
    SkinChoice m_choice;
    QComboBox *m_comboClockStyle = nullptr;
    QComboBox *m_comboBackground = nullptr;
};
