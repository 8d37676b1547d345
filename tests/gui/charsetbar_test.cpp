#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

#include "app/charsetbar.h"
#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "guitestsupport.h"
#include "model/namecodec.h"

namespace {

struct Stored
{
    int character;
    int key;
    int unicode;
    bool operator==(const Stored&) const = default;
};

Stored stored()
{
    const kx::SettingsProfile profile;
    return {profile.getInt("LANG", "CHARACTER", -9), profile.getInt("LANG", "KEY", -9),
            profile.getInt("LANG", "UNICODE", -9)};
}

// Picks a row of the combo box with the keyboard, as a user would.
void pickRow(QComboBox* combo, int row)
{
    combo->setFocus();
    while (combo->currentIndex() < row) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    while (combo->currentIndex() > row) {
        QTest::keyClick(combo, Qt::Key_Up);
    }
}

} // namespace

class CharsetBarTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        kx::guitest::clearSettings();
        m_app = std::make_unique<kx::CKanalyxApp>(kx::guitest::programFolder());
        QVERIFY(m_app->InitInstance({}, {false, true}));
        QVERIFY(QTest::qWaitForWindowExposed(m_app->mainFrame()));
        m_bar = m_app->mainFrame()->charsetBar();
    }

    void cleanup() { m_app.reset(); }

    void firstStart_noneWithPrefixDisabled()
    {
        QCOMPARE(m_bar->characterSetCombo()->count(), 13);
        QCOMPARE(m_bar->characterSetCombo()->currentText(), QStringLiteral("None"));
        QCOMPARE(m_bar->characterSetCombo()->itemText(12), QStringLiteral("Unicode"));
        QVERIFY(!m_bar->prefixBox()->isChecked());
        QVERIFY(!m_bar->prefixBox()->isEnabled());
        QVERIFY(!m_bar->unicodeBox()->isChecked());
        QVERIFY(m_bar->unicodeBox()->isEnabled());
    }

    void pickingARow_storesItClearsSwitchesAndRedrawsNames()
    {
        QSignalSpy redraws(m_app->mainFrame(), &kx::CMainFrame::namesNeedRedraw);
        pickRow(m_bar->characterSetCombo(), 2);
        QCOMPARE(stored(), (Stored{2, 0, 0}));
        QCOMPARE(redraws.count(), 2); // one for each row passed on the way
        QCOMPARE(m_app->mainFrame()->codec().characterTable, 2);
        QVERIFY(m_bar->prefixBox()->isEnabled());
        QVERIFY(!m_bar->unicodeBox()->isEnabled());

        pickRow(m_bar->characterSetCombo(), 1);
        QCOMPARE(stored(), (Stored{1, 0, 0}));
        QVERIFY(!m_bar->prefixBox()->isEnabled());
        QVERIFY(m_bar->unicodeBox()->isEnabled());
        QCOMPARE(m_app->mainFrame()->codec().characterTable, 1);
    }

    void switches_reloadTheCodecWithoutRedrawingNames()
    {
        pickRow(m_bar->characterSetCombo(), 2);
        QSignalSpy redraws(m_app->mainFrame(), &kx::CMainFrame::namesNeedRedraw);

        QTest::mouseClick(m_bar->prefixBox(), Qt::LeftButton);
        QCOMPARE(stored(), (Stored{2, 1, 0}));
        QVERIFY(m_app->mainFrame()->codec().prefix);
        QVERIFY(m_bar->unicodeBox()->isEnabled());

        QTest::mouseClick(m_bar->unicodeBox(), Qt::LeftButton);
        QCOMPARE(stored(), (Stored{2, 1, 1}));
        QVERIFY(m_app->mainFrame()->codec().unicode);

        QTest::mouseClick(m_bar->prefixBox(), Qt::LeftButton);
        QCOMPARE(stored(), (Stored{2, 0, 0}));
        QVERIFY(!m_bar->unicodeBox()->isChecked());
        QVERIFY(!m_bar->unicodeBox()->isEnabled());
        QVERIFY(!m_app->mainFrame()->codec().prefix);
        QVERIFY(!m_app->mainFrame()->codec().unicode);
        QCOMPARE(redraws.count(), 0);
    }

    void storedState_isShownAtTheNextStart()
    {
        pickRow(m_bar->characterSetCombo(), 11);
        QTest::mouseClick(m_bar->prefixBox(), Qt::LeftButton);
        QTest::mouseClick(m_bar->unicodeBox(), Qt::LeftButton);
        m_app.reset();

        kx::CKanalyxApp next(kx::guitest::programFolder());
        QVERIFY(next.InitInstance({}, {false, false}));
        const kx::CharsetBar* bar = next.mainFrame()->charsetBar();
        QCOMPARE(bar->characterSetCombo()->currentIndex(), 11);
        QVERIFY(bar->prefixBox()->isChecked());
        QVERIFY(bar->unicodeBox()->isChecked());
        QVERIFY(bar->unicodeBox()->isEnabled());
    }

    void storedRowOutOfRange_leavesNoRowChosen()
    {
        m_app.reset();
        kx::SettingsProfile().setInt("LANG", "CHARACTER", 13);
        kx::CKanalyxApp next(kx::guitest::programFolder());
        QVERIFY(next.InitInstance({}, {false, false}));
        const kx::CharsetBar* bar = next.mainFrame()->charsetBar();
        QCOMPARE(bar->characterSetCombo()->currentIndex(), -1);
        QVERIFY(!bar->prefixBox()->isEnabled());
        QVERIFY(bar->unicodeBox()->isEnabled());
    }

private:
    std::unique_ptr<kx::CKanalyxApp> m_app;
    kx::CharsetBar* m_bar = nullptr;
};

QTEST_MAIN(CharsetBarTest)
#include "charsetbar_test.moc"
