// CPropertyPage: a page of the settings sheet, laid out in dialog units of its font and built the
// first time its tab is shown.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class ClockAccess;

class CPropertyPage : public QWidget
{
    Q_OBJECT

public:
    // `caption` is the tab text; `templateSize` the page size in dialog units.
    CPropertyPage(const QString &caption, QSize templateSize, QWidget *parent = nullptr);
    ~CPropertyPage() override;

    // The dialog font, "宋体" 9 points.
    static QFont DialogFont();

    QString Caption() const { return m_strCaption; }

    // True once the page's widgets exist (its tab has been shown).
    bool IsCreated() const { return m_bCreated; }

    // Called on OK and Apply for every created page; false keeps the sheet open.
    virtual bool OnApply();

    // Marks the page as changed; the sheet enables Apply while any page is.
    void SetModified(bool bChanged);
    bool IsModified() const { return m_bModified; }

signals:
    void modifiedChanged(bool bChanged);
    // The page has just built its widgets.
    void created();

protected:
    void showEvent(QShowEvent *event) override;

    // Builds the page's widgets; runs once, just before the page is first shown.
    virtual void OnInitDialog();

    // The clock window, reached through the sheet that holds the page; null outside a sheet.
    ClockAccess *GetClockWnd() const;

    // A rectangle of the page template, in pixels.
    QRect Dlu(int x, int y, int cx, int cy) const;

private:
    QString m_strCaption;
    QSize m_sizeBase;
    bool m_bCreated = false;
    bool m_bModified = false;
};
