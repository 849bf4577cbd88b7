// Widget tests of the settings sheet: tabs and placement, the Display page's change rules and the
// Time reminders page working on a real notify.dat, all driven by key and mouse events.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QTreeWidget>

#include <array>
#include <memory>

#include "fieldedit/TimeEdit.h"
#include "platform/Gbk.h"
#include "platform/IniFile.h"
#include "platform/UserMessage.h"
#include "core/reminders/ReminderMap.h"
#include "core/reminders/ReminderStore.h"
#include "settings/ClockAccess.h"
#include "settings/MyPropertySheet.h"
#include "core/sheet/PageRules.h"

namespace {

class FakeClock : public ClockAccess
{
public:
    QPoint ClockPosition() const override { return m_ptPos; }
    const QStringList &BackgroundNames() const override { return m_arrBkNames; }
    const QStringList &DigitNames() const override { return m_arrNumNames; }
    QString CurrentBackground() const override { return m_strBkName; }
    QString CurrentDigits() const override { return m_strNumName; }
    void SaveSkin(const QString &background, const QString &number) override
    {
        m_arrSaved << background + QLatin1Char('|') + number;
    }
    void SetRestart() override { m_bRestart = true; }
    ReminderMap &Reminders() override { return m_map; }
    bool SaveReminders() override
    {
        ++m_nSaves;
        return ::SaveReminders(m_map, platform::FsPath(m_strPath));
    }

    QPoint m_ptPos{10, 20};
    QStringList m_arrBkNames;
    QStringList m_arrNumNames;
    QString m_strBkName;
    QString m_strNumName;
    QStringList m_arrSaved;
    bool m_bRestart = false;
    ReminderMap m_map;
    QString m_strPath;
    int m_nSaves = 0;
};

// Types text as key events carrying it, one character at a time.
void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList RowTexts(const QTreeWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        rows << item->text(0) + QLatin1Char(' ') + item->text(1) + QLatin1Char(' ') + item->text(2);
    }
    return rows;
}

} // namespace

class SettingsSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
        platform::SetUserMessageHandler([this](const QString &text) { m_messages << text; });
    }

    void init()
    {
        m_messages.clear();
        m_clock = std::make_unique<FakeClock>();
        m_clock->m_arrBkNames = {QStringLiteral("Classic"), QStringLiteral("Sea"), QStringLiteral("Night")};
        m_clock->m_arrNumNames = {QStringLiteral("Green"), QStringLiteral("Red")};
        m_clock->m_strBkName = QStringLiteral("sEA");
        m_clock->m_strNumName = QStringLiteral("Blue");
        m_clock->m_strPath = m_dir.filePath(QStringLiteral("notify.dat"));
        QFile::remove(m_clock->m_strPath);
        m_sheet = std::make_unique<CMyPropertySheet>();
        m_sheet->m_pClockWnd = m_clock.get();
        m_sheet->OnInitDialog();
        m_sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_sheet.get()));
    }

    void cleanup()
    {
        m_sheet.reset();
        m_clock.reset();
    }

    void sheetOpensOnAboutWithThreeTabs()
    {
        QCOMPARE(m_sheet->windowTitle(), QStringLiteral("Amberlane 电子闹钟 1.0 版"));
        const QTabWidget *tabs = m_sheet->TabWidget();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}), (QStringList{"关于", "显示", "时间提醒"}));
        QCOMPARE(tabs->currentIndex(), 0);

        // Only the shown page is built.
        QVERIFY(m_sheet->m_page1.IsCreated() && !m_sheet->m_page2.IsCreated() && !m_sheet->m_page3.IsCreated());
        QVERIFY(!Find<QPushButton>("homepage")->isVisible());
        QVERIFY(!Button(QDialogButtonBox::Apply)->isEnabled());
        OpenTab(2);
        QVERIFY(m_sheet->m_page3.IsCreated() && !m_sheet->m_page2.IsCreated());
    }

    void sheetIsPlacedBesideTheClock()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(m_sheet->pos(), QPoint(10, 120));

        m_clock->m_ptPos = QPoint(area.right() - 5, area.bottom() - 5);
        m_sheet->OnInitDialog();
        const QRect frame = m_sheet->frameGeometry();
        QCOMPARE(frame.right(), area.right());
        QCOMPARE(frame.bottom(), area.bottom());
    }

    void sheetIsModalToItsOwnerAloneWithoutBeingItsTransient()
    {
        // A frameless tool window like the clock owns the sheet; the other stands for a popup.
        QWidget owner(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        QWidget other(nullptr, owner.windowFlags());
        int clicks[2] = {0, 0};
        QPushButton *buttons[2] = {new QPushButton(QStringLiteral("face"), &owner), new QPushButton(QStringLiteral("note"), &other)};
        for (int i : {0, 1}) {
            connect(buttons[i], &QPushButton::clicked, this, [&clicks, i] { ++clicks[i]; });
            buttons[i]->window()->setGeometry(400 * i, 0, 100, 50);
            buttons[i]->window()->show();
        }
        CMyPropertySheet sheet(&owner);
        bool bTransientOfOwner = true;
        QTimer::singleShot(0, &sheet, [&] {
            bTransientOfOwner = sheet.windowHandle()->transientParent() == owner.windowHandle();
            QTest::mouseClick(buttons[0], Qt::LeftButton);
            QTest::mouseClick(buttons[1], Qt::LeftButton);
            sheet.reject();
        });
        QCOMPARE(sheet.DoModal(), int(QDialog::Rejected));
        QTest::mouseClick(buttons[0], Qt::LeftButton); // closed, the sheet gives the owner its clicks back
        QCOMPARE((std::array{int(bTransientOfOwner), clicks[0], clicks[1]}), (std::array{0, 1, 1}));
    }

    void displayPageApplyWritesOnceAndRestartSurvivesCancel()
    {
        OpenTab(1);
        auto *background = Find<QComboBox>("background");
        auto *clockStyle = Find<QComboBox>("clockStyle");
        // Preselected ignoring case; a name not in the list selects nothing.
        QCOMPARE(background->currentIndex(), 1);
        QCOMPARE(clockStyle->currentIndex(), -1);
        QVERIFY(!Button(QDialogButtonBox::Apply)->isEnabled());
        background->setFocus();
        QTest::keyClick(background, Qt::Key_Down);
        QCOMPARE(background->currentIndex(), 2);
        clockStyle->setFocus();
        QTest::keyClick(clockStyle, Qt::Key_Down);
        QCOMPARE(clockStyle->currentIndex(), 0);
        QVERIFY(m_clock->m_arrSaved.isEmpty());

        QTest::mouseClick(Button(QDialogButtonBox::Apply), Qt::LeftButton);
        QCOMPARE(m_clock->m_arrSaved, QStringList{QStringLiteral("Night|Green")});
        QVERIFY(m_clock->m_bRestart);
        QVERIFY(!Button(QDialogButtonBox::Apply)->isEnabled());

        // Apply again with nothing new selected: nothing more is written.
        QTest::mouseClick(Button(QDialogButtonBox::Apply), Qt::LeftButton);
        QCOMPARE(m_clock->m_arrSaved.size(), 1);

        // Apply, then Cancel: the names stay written and the restart stays asked for.
        m_clock->m_bRestart = false;
        background->setFocus();
        QTest::keyClick(background, Qt::Key_Up);
        QTest::mouseClick(Button(QDialogButtonBox::Apply), Qt::LeftButton);
        QTest::mouseClick(Button(QDialogButtonBox::Cancel), Qt::LeftButton);
        QCOMPARE(m_sheet->result(), int(QDialog::Rejected));
        QCOMPARE(m_clock->m_arrSaved, (QStringList{QStringLiteral("Night|Green"), QStringLiteral("Sea|Green")}));
        QVERIFY(m_clock->m_bRestart);
    }

    void displayPageWritesAnEmptyNameForNoSelection()
    {
        m_clock->m_strBkName = QStringLiteral("Forest");
        m_clock->m_strNumName = QStringLiteral("red");
        m_sheet = std::make_unique<CMyPropertySheet>();
        m_sheet->m_pClockWnd = m_clock.get();
        m_sheet->show();
        OpenTab(1);
        QCOMPARE(Find<QComboBox>("background")->currentIndex(), -1);
        auto *clockStyle = Find<QComboBox>("clockStyle");
        QCOMPARE(clockStyle->currentIndex(), 1);
        clockStyle->setFocus();
        QTest::keyClick(clockStyle, Qt::Key_Up);
        QTest::mouseClick(Button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(m_clock->m_arrSaved, QStringList{QStringLiteral("|Green")});
        QVERIFY(m_clock->m_bRestart);
    }

    void remindersPageWritesEveryEditAtOnce()
    {
        OpenTab(2);
        auto *list = Find<QTreeWidget>("list");
        auto *enable = Find<QCheckBox>("enable");
        auto *message = Find<QLineEdit>("message");
        auto *add = Find<QPushButton>("add");
        auto *modify = Find<QPushButton>("modify");
        auto *remove = Find<QPushButton>("delete");
        QVERIFY(add->isEnabled() && !modify->isEnabled() && !remove->isEnabled());
        const auto addOne = [&](const char *time, bool on, const QString &text) {
            TypeTime(time);
            if (enable->isChecked() != on)
                QTest::mouseClick(enable, Qt::LeftButton);
            message->clear();
            TypeText(message, text);
            QTest::mouseClick(add, Qt::LeftButton);
        };

        // Each edit is saved at once; the same time again is told and not saved.
        addOne("120000", true, QStringLiteral("午饭"));
        addOne("070500", true, QStringLiteral("wake"));
        addOne("070500", false, QStringLiteral("again"));
        QCOMPARE(m_messages, QStringList{QStringLiteral("对应的时间提示已存在")});
        QCOMPARE(m_clock->m_nSaves, 2);
        QCOMPARE(RowTexts(list), (QStringList{QStringLiteral("是 07:05:00 wake"), QStringLiteral("是 12:00:00 午饭")}));

        // Double-click loads the row into the editor; Modify and Delete work on the loaded row.
        DoubleClickRow(1);
        QVERIFY(enable->isChecked());
        QCOMPARE(Find<CTimeEdit>("time")->text(), QStringLiteral("12:00:00"));
        QCOMPARE(message->text(), QStringLiteral("午饭"));
        QVERIFY(modify->isEnabled() && remove->isEnabled());
        TypeTime("083000");
        QTest::mouseClick(enable, Qt::LeftButton);
        message->selectAll();
        TypeText(message, QStringLiteral("午睡"));
        QTest::mouseClick(modify, Qt::LeftButton);
        QCOMPARE(RowTexts(list), (QStringList{QStringLiteral("是 07:05:00 wake"), QStringLiteral("否 08:30:00 午睡")}));
        QVERIFY(!modify->isEnabled() && !remove->isEnabled());

        DoubleClickRow(0);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(RowTexts(list), QStringList{QStringLiteral("否 08:30:00 午睡")});
        QCOMPARE(m_clock->m_nSaves, 4);
        ReminderMap stored;
        QCOMPARE(LoadReminders(stored, platform::FsPath(m_clock->m_strPath), 0), LoadResult::Loaded);
        QCOMPARE(stored.Size(), 1u);
        QCOMPARE(stored.Lookup("1971:01:01:08:30:00")->enabled, 0);
    }

    void remindersPageDoesNothingWithoutASelectedRow()
    {
        AddReminder(m_clock->m_map, 6, 0, 0, true, "six");
        OpenTab(2);
        auto *list = Find<QTreeWidget>("list");

        // A double-click beside the rows or with another button, and the handlers, find no row.
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 3));
        QVERIFY(!Find<QPushButton>("modify")->isEnabled());
        QVERIFY(QMetaObject::invokeMethod(&m_sheet->m_page3, "OnDelete"));
        QVERIFY(QMetaObject::invokeMethod(&m_sheet->m_page3, "OnModify"));
        QCOMPARE(m_clock->m_nSaves, 0);
        QCOMPARE(m_clock->m_map.Size(), 1u);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
            QTest::mouseDClick(list->viewport(), button, {}, list->visualItemRect(list->topLevelItem(0)).center());
        QVERIFY(Find<QLineEdit>("message")->text().isEmpty() && !Find<QPushButton>("modify")->isEnabled());

        // Adding without touching the editor gives a disabled reminder at 00:00:00.
        QTest::mouseClick(Find<QPushButton>("add"), Qt::LeftButton);
        QCOMPARE(RowTexts(list).first(), QStringLiteral("否 00:00:00 "));
    }

    void messageEditTakesThirtyGbkBytes()
    {
        OpenTab(2);
        auto *message = Find<QLineEdit>("message");
        TypeText(message, QString(20, QChar(0x949F)));
        QCOMPARE(message->text(), QString(15, QChar(0x949F)));

        message->clear();
        TypeText(message, QString(29, QLatin1Char('a')) + QChar(0x949F) + QStringLiteral("bc"));
        QCOMPARE(message->text(), QString(29, QLatin1Char('a')) + QLatin1Char('b'));

        // A character without a GBK form is refused, not turned into "?".
        const QString hangul(QChar(0xD55C));
        QVERIFY(!platform::ToGbk(hangul));
        message->clear();
        TypeText(message, QStringLiteral("x") + hangul + QStringLiteral("y"));
        QCOMPARE(message->text(), QStringLiteral("xy"));
    }

    void storedLongMessageOnlyShrinks()
    {
        AddReminder(m_clock->m_map, 6, 0, 0, true, std::string(40, 'm'));
        OpenTab(2);
        DoubleClickRow(0);
        auto *message = Find<QLineEdit>("message");
        QCOMPARE(message->text(), QString(40, QLatin1Char('m')));
        TypeText(message, QStringLiteral("x"));
        QTest::keyClick(message, Qt::Key_Backspace);
        TypeText(message, QStringLiteral("xy"));
        QTest::keyClick(message, Qt::Key_Z, Qt::ControlModifier); // undo would bring back 40
        TypeText(message, QStringLiteral("x"));
        QCOMPARE(message->text(), QString(39, QLatin1Char('m')));
        QTest::mouseClick(Find<QPushButton>("modify"), Qt::LeftButton);
        QCOMPARE(m_clock->m_map.Lookup("1971:01:01:06:00:00")->message, std::string(39, 'm'));
    }

    void pageKeysSwitchPagesFromEveryControlAndChangeNothingElse()
    {
        for (int hour : {6, 7, 8})
            AddReminder(m_clock->m_map, hour, 0, 0, hour != 7, "tea");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; int step; } keys[] = {
            {Qt::Key_Tab, ctrl, 1}, {Qt::Key_Backtab, ctrl | Qt::ShiftModifier, -1}, {Qt::Key_PageDown, ctrl, 1}, {Qt::Key_PageUp, ctrl, -1}};
        OpenTab(1); // every page built, a row selected: each control has a value the keys could change
        OpenTab(2);
        DoubleClickRow(1);
        QTabWidget *tabs = m_sheet->TabWidget();
        for (int page = 0; page < tabs->count(); ++page) {
            const QList<QWidget *> controls = tabs->widget(page)->findChildren<QWidget *>() << tabs->tabBar();
            for (QWidget *control : controls) {
                for (const auto &key : keys) {
                    OpenTab(page);
                    if (!control->isVisible() || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus))
                        break;
                    control->setFocus();
                    const QString before = SheetState();
                    QTest::keyClick(control, key.key, key.modifiers);
                    QVERIFY2(tabs->currentIndex() == (page + key.step + 3) % 3, control->metaObject()->className());
                    QCOMPARE(SheetState(), before);
                }
            }
        }
    }

    void reminderColumnsShowWholeTimesAndFlagsWithoutSideScrolling()
    {
        // Five fill the list on a desktop, twelve overflow it in any font: a vertical bar shows.
        for (const int count : {5, 12}) {
            for (int i = 0; i < count; ++i) // the ones already there are refused
                AddReminder(m_clock->m_map, 6 + i, 30, 0, i % 2 == 0, i == 2 ? std::string(30, 'W') : "tea");
            m_sheet = std::make_unique<CMyPropertySheet>();
            m_sheet->m_pClockWnd = m_clock.get();
            m_sheet->show();
            OpenTab(2);
            auto *list = Find<QTreeWidget>("list");
            QTRY_VERIFY(count == 5 || list->verticalScrollBar()->isVisible());
            QCoreApplication::processEvents();
            QVERIFY(!list->horizontalScrollBar()->isVisible());
            QCOMPARE(list->columnWidth(0) + list->columnWidth(1) + list->columnWidth(2), list->viewport()->width());
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            for (int row = 0; row < count; ++row)
                for (const int column : {0, 1})
                    QVERIFY(list->fontMetrics().horizontalAdvance(list->topLevelItem(row)->text(column)) + 2 * margin <= list->columnWidth(column));
        }
    }

    void failedSaveIsToldAndTheChangeKept()
    {
        m_clock->m_strPath = m_dir.filePath(QStringLiteral("missing/notify.dat"));
        OpenTab(2);
        TypeTime("213000");
        TypeText(Find<QLineEdit>("message"), QStringLiteral("sleep"));
        QTest::mouseClick(Find<QPushButton>("add"), Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().contains(QStringLiteral("notify.dat")));
        QVERIFY(m_clock->m_map.Lookup("1971:01:01:21:30:00"));
        QCOMPARE(RowTexts(Find<QTreeWidget>("list")), QStringList{QStringLiteral("否 21:30:00 sleep")});
        QVERIFY(!QFile::exists(m_clock->m_strPath));
    }

private:
    void OpenTab(int index)
    {
        QTabBar *bar = m_sheet->TabWidget()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(m_sheet->TabWidget()->currentIndex(), index);
    }

    QPushButton *Button(QDialogButtonBox::StandardButton which) const
    {
        return m_sheet->findChild<QDialogButtonBox *>()->button(which);
    }
    template <typename T> T *Find(const char *name) const
    {
        T *widget = m_sheet->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    void TypeTime(const char *digits)
    {
        // A click on the hour, then each segment cleared and typed; the field moves on by itself.
        auto *time = Find<CTimeEdit>("time");
        QTest::mouseClick(time, Qt::LeftButton, {}, QPoint(5, time->height() / 2));
        const QString text = QString::fromLatin1(digits);
        for (int segment = 0; segment < 3; ++segment) {
            QTest::keyClick(time, Qt::Key_Delete);
            QTest::keyClicks(time, text.mid(segment * 2, 2));
        }
    }

    // Everything the page keys must leave alone: selections, values, Apply and what was saved.
    QString SheetState() const
    {
        const auto *list = Find<QTreeWidget>("list");
        QStringList state{QString::number(Button(QDialogButtonBox::Apply)->isEnabled() + 2 * m_clock->m_nSaves),
                          QString::number(Find<QCheckBox>("enable")->isChecked()), QString::number(list->indexOfTopLevelItem(list->currentItem()))};
        for (const QComboBox *combo : m_sheet->findChildren<QComboBox *>())
            state << combo->currentText();
        for (const QLineEdit *edit : m_sheet->findChildren<QLineEdit *>())
            state << edit->text();
        for (const QTreeWidgetItem *item : list->selectedItems())
            state << item->text(1);
        return (state << m_clock->m_arrSaved).join(QLatin1Char('|'));
    }

    void DoubleClickRow(int row)
    {
        auto *list = Find<QTreeWidget>("list");
        const QPoint at = list->visualItemRect(list->topLevelItem(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<CMyPropertySheet> m_sheet;
    QStringList m_messages;
};

QTEST_MAIN(SettingsSheetTest)
#include "SettingsSheetTest.moc"
