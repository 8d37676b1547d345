#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "app/moresettingssheet.h"
#include "app/porperylang.h"
#include "app/propertymore.h"
#include "app/settingslistview.h"
#include "dialogs/morepagemodel.h"
#include "document/kanalyxdoc.h"
#include "guitestsupport.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"
#include "views/cellcombo.h"

using kx::CountrySetting;
using kx::MoreSettingsSheet;
using kx::test::RecordBytes;
using kx::test::TllBuilder;

namespace {

// Settings blocks just long enough for every list of the Country page.
constexpr std::size_t kBlockSizeV1 = 6692;
constexpr std::size_t kBlockSizeV2 = 19888;

void putText(std::string& block, std::size_t offset, std::string_view bytes)
{
    block.replace(offset, bytes.size(), bytes);
}

// A variant-1 block: country DE, menu language eng, audio language 1 ger, menu item 2 (Sound),
// time zone 0, digital audio out PCM, and a teletext language in capitals that matches nothing.
std::string settingsV1()
{
    std::string block(kBlockSizeV1, '\0');
    putText(block, 6, "ED");
    putText(block, 6153, "gne");
    putText(block, 5981, "reg");
    putText(block, 6689, "GNE");
    block[428] = 2;
    block[6063] = 20;
    block[6055] = 1;
    return block;
}

// A variant-2 block of varied bytes with the six languages eng, ger, fre, ita, spa, rus.
std::string settingsV2()
{
    std::string block(kBlockSizeV2, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    }
    putText(block, 19333, "gne");
    putText(block, 19057, "reg");
    putText(block, 19061, "erf");
    putText(block, 19341, "ati");
    putText(block, 19345, "aps");
    putText(block, 19885, "sur");
    return block;
}

std::string fileWith(int variant, const std::string& settings)
{
    TllBuilder file(variant);
    file.analog(RecordBytes(variant).numberWord(1).name("One")).settings(settings);
    if (variant == 2) {
        file.trailing(std::string(1, '\0'));
    }
    return file.build();
}

std::string blockOf(const kx::CKanalyxDoc& doc)
{
    const auto bytes = doc.Settings();
    return {bytes.begin(), bytes.end()};
}

// Picks an item from a list's drop-down as the user does: open it, move there, press Enter.
bool chooseFromDropDown(QComboBox* list, int index)
{
    list->showPopup();
    if (!QTest::qWaitFor([list] { return list->view()->isVisible(); })) {
        return false;
    }
    list->view()->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    return QTest::qWaitFor([list] { return !list->view()->isVisible(); }) &&
           list->currentIndex() == index;
}

} // namespace

class SettingsSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        kx::guitest::clearSettings();
        m_dir = std::make_unique<kx::test::TempDir>();
        m_answers = std::make_unique<kx::guitest::ModalAnswers>();
    }

    void cleanup()
    {
        m_sheet.reset();
        m_doc.reset();
        QVERIFY2(m_answers->unexpected.isEmpty(), qPrintable(m_answers->unexpected.join("; ")));
        m_answers.reset();
        m_dir.reset();
    }

    void countryPage_showsTheBlockAndApplyWritesAtOnce()
    {
        openSheet(1, settingsV1());
        QCOMPARE(m_sheet->windowTitle(), QStringLiteral("More Settings"));
        QCOMPARE(m_sheet->tabs()->tabText(0), QStringLiteral("Country"));
        QCOMPARE(m_sheet->tabs()->tabText(1), QStringLiteral("More"));
        QCOMPARE(list(CountrySetting::Country)->currentText(), QStringLiteral("Germany"));
        QCOMPARE(list(CountrySetting::MenuLanguage)->currentText(), QStringLiteral("English"));
        QCOMPARE(list(CountrySetting::AudioLanguage1)->currentText(), QStringLiteral("German"));
        QCOMPARE(list(CountrySetting::TeletextLanguage)->currentIndex(), -1);
        QCOMPARE(list(CountrySetting::MenuItem)->currentText(), QStringLiteral("Sound"));
        QCOMPARE(list(CountrySetting::TimeZone)->currentText(), QStringLiteral("0"));
        QCOMPARE(list(CountrySetting::DigitalAudioOut)->currentText(), QStringLiteral("PCM"));
        QCOMPARE(list(CountrySetting::Country)->count(), 37);
        QCOMPARE(list(CountrySetting::TimeZone)->count(), 24);
        QVERIFY(!m_sheet->applyButton()->isEnabled());

        const std::string before = blockOf(*m_doc);
        QVERIFY(chooseFromDropDown(list(CountrySetting::Country), 1));   // Austria
        QVERIFY(chooseFromDropDown(list(CountrySetting::TimeZone), 14)); // +3
        QVERIFY(m_sheet->applyButton()->isEnabled());
        QCOMPARE(blockOf(*m_doc), before);

        m_sheet->applyButton()->click();
        std::string expected = before;
        putText(expected, 6, "TA");
        expected[6063] = 23;
        // The teletext list had no selection: its bytes stay as they were.
        QCOMPARE(blockOf(*m_doc), expected);
        QVERIFY(!m_sheet->applyButton()->isEnabled());
        QCOMPARE(list(CountrySetting::Country)->currentText(), QStringLiteral("Austria"));

        // Cancel after Apply: what Apply wrote stays, as a step of the history.
        m_sheet->cancelButton()->click();
        QCOMPARE(m_sheet->result(), int(QDialog::Rejected));
        QCOMPARE(blockOf(*m_doc), expected);
        QVERIFY(m_doc->IsModified());
        m_doc->Undo();
        QCOMPARE(blockOf(*m_doc), before);
    }

    void closingAnyList_enablesApply_data()
    {
        QTest::addColumn<CountrySetting>("setting");
        const std::array<std::pair<const char*, CountrySetting>, 10> lists = {{
            {"country", CountrySetting::Country},
            {"menu language", CountrySetting::MenuLanguage},
            {"audio language 1", CountrySetting::AudioLanguage1},
            {"audio language 2", CountrySetting::AudioLanguage2},
            {"subtitle language 1", CountrySetting::SubtitleLanguage1},
            {"subtitle language 2", CountrySetting::SubtitleLanguage2},
            {"teletext language", CountrySetting::TeletextLanguage},
            {"menu item", CountrySetting::MenuItem},
            {"time zone", CountrySetting::TimeZone},
            {"digital audio out", CountrySetting::DigitalAudioOut},
        }};
        for (const auto& [name, setting] : lists) {
            QTest::newRow(name) << setting;
        }
    }

    void closingAnyList_enablesApply()
    {
        QFETCH(CountrySetting, setting);
        openSheet(1, settingsV1());
        QComboBox* shown = list(setting);
        const int selected = shown->currentIndex();
        shown->showPopup();
        QTRY_VERIFY(shown->view()->isVisible());
        QVERIFY(!m_sheet->applyButton()->isEnabled());
        shown->hidePopup();
        QTRY_VERIFY(m_sheet->applyButton()->isEnabled());
        QCOMPARE(shown->currentIndex(), selected);
    }

    void variant2_showsOnlyLanguagesAndApplyTouchesOnlyTheirBytes()
    {
        openSheet(2, settingsV2());
        for (const CountrySetting setting :
             {CountrySetting::Country, CountrySetting::MenuItem, CountrySetting::TimeZone,
              CountrySetting::DigitalAudioOut}) {
            QCOMPARE(list(setting)->count(), 0);
            QVERIFY(!list(setting)->isEnabled());
        }
        QCOMPARE(list(CountrySetting::TeletextLanguage)->currentText(), QStringLiteral("Russian"));

        const std::string before = blockOf(*m_doc);
        // Every language one item further down: with the keyboard, without opening the list.
        for (const CountrySetting setting :
             {CountrySetting::MenuLanguage, CountrySetting::AudioLanguage1,
              CountrySetting::AudioLanguage2, CountrySetting::SubtitleLanguage1,
              CountrySetting::SubtitleLanguage2, CountrySetting::TeletextLanguage}) {
            list(setting)->setFocus();
            QTest::keyClick(list(setting), Qt::Key_Down);
        }
        QVERIFY(m_sheet->applyButton()->isEnabled());
        m_sheet->applyButton()->click();

        // eng -> alb, ger -> gre, fre -> ger, ita -> kaz, spa -> swe, rus -> scc; reversed.
        std::string expected = before;
        putText(expected, 19333, "bla");
        putText(expected, 19057, "erg");
        putText(expected, 19061, "reg");
        putText(expected, 19341, "zak");
        putText(expected, 19345, "ews");
        putText(expected, 19885, "ccs");
        QCOMPARE(blockOf(*m_doc), expected);
    }

    void apply_eachPageShowsWhatTheOtherWrote()
    {
        m_dir->write("more.txt", "Menu Language;1809;3;3\r\n"
                                 "Time Zone;17AF;1;1;-1,13;0,14;+1,15;\r\n");
        openSheet(1, settingsV1());
        QVERIFY(chooseFromDropDown(list(CountrySetting::MenuLanguage), 11)); // German

        m_sheet->tabs()->setCurrentIndex(1);
        kx::CPropertyMore* more = m_sheet->morePage();
        QVERIFY(more->model() != nullptr);
        QCOMPARE(moreCell(0), QStringLiteral("English"));
        QCOMPARE(moreCell(1), QStringLiteral("0"));
        more->list()->setCurrentIndex(more->list()->model()->index(1, 0));
        more->EditDataCell(1, 2);
        auto* combo = qobject_cast<kx::CCellCombo*>(more->list()->cellEditor());
        QVERIFY(combo != nullptr);
        QTRY_VERIFY(combo->hasFocus());
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_COMPARE(moreCell(1), QStringLiteral("+1"));

        m_sheet->applyButton()->click();
        QCOMPARE(blockOf(*m_doc).substr(6153, 3), std::string("reg"));
        QCOMPARE(static_cast<int>(blockOf(*m_doc)[6063]), 0x15);
        QCOMPARE(moreCell(0), QStringLiteral("German"));
        QCOMPARE(list(CountrySetting::TimeZone)->currentText(), QStringLiteral("+1"));
        QCOMPARE(list(CountrySetting::MenuLanguage)->currentText(), QStringLiteral("German"));
    }

    void okWithoutVisitingMore_readsNoDescriptionFile()
    {
        // A description "file" that cannot be read: reading it would show a message.
        std::filesystem::create_directory(m_dir->file("more.txt"));
        openSheet(1, settingsV1());
        QVERIFY(chooseFromDropDown(list(CountrySetting::MenuItem), 0));
        m_sheet->okButton()->click();
        QCOMPARE(m_sheet->result(), int(QDialog::Accepted));
        QVERIFY(m_answers->seen.isEmpty());
        QVERIFY(m_sheet->morePage()->model() == nullptr);
        QCOMPARE(static_cast<int>(blockOf(*m_doc)[428]), 0);

        // Visiting the page does read it, and says that it could not.
        openSheet(1, settingsV1());
        m_answers->expect([](QWidget*) {});
        m_sheet->tabs()->setCurrentIndex(1);
        QCOMPARE(m_answers->seen.size(), 1);
        QCOMPARE(m_sheet->morePage()->list()->model()->rowCount(), 0);
    }

    void frameCommand_applyIsAStepAndCancelDropsTheRest()
    {
        m_dir->write("more.txt", "Menu Item;01AC;1;4\r\n");
        const std::filesystem::path path = m_dir->write("list.tll", fileWith(1, settingsV1()));
        kx::CKanalyxApp app(QString::fromStdString(m_dir->path().string()));
        QVERIFY(app.InitInstance({QString::fromStdString(path.string())}, {false, false}));
        kx::CMainFrame& frame = *app.mainFrame();
        kx::CKanalyxDoc& doc = *app.document();
        QAction* command = frame.action(kx::CMainFrame::Command::MoreSettings);
        QVERIFY(command->isEnabled());
        QVERIFY(frame.toolBar()->actions().contains(command));
        QCOMPARE(command->toolTip(), QStringLiteral("Settings"));

        // OK with nothing changed changes nothing.
        m_answers->expect([](QWidget* modal) {
            auto* sheet = qobject_cast<MoreSettingsSheet*>(modal);
            QVERIFY(sheet != nullptr);
            sheet->okButton()->click();
        });
        command->trigger();
        QVERIFY(!doc.IsModified());
        QCOMPARE(blockOf(doc), settingsV1());

        // Apply, then Cancel: the bytes stay written as a step, which marks the document
        // modified so that they are not lost without a question when the program closes.
        m_answers->expect([](QWidget* modal) {
            auto* sheet = qobject_cast<MoreSettingsSheet*>(modal);
            QVERIFY(sheet != nullptr);
            QVERIFY(chooseFromDropDown(sheet->countryPage()->list(CountrySetting::DigitalAudioOut),
                                       0)); // Auto
            sheet->applyButton()->click();
            sheet->cancelButton()->click();
        });
        command->trigger();
        QVERIFY(doc.IsModified());
        QCOMPARE(static_cast<int>(blockOf(doc)[6055]), 0);

        // Cancel without an Apply writes nothing and leaves the flag alone.
        doc.SetModifiedFlag(false);
        m_answers->expect([](QWidget* modal) {
            auto* sheet = qobject_cast<MoreSettingsSheet*>(modal);
            QVERIFY(sheet != nullptr);
            QVERIFY(chooseFromDropDown(sheet->countryPage()->list(CountrySetting::DigitalAudioOut),
                                       1)); // PCM
            sheet->cancelButton()->click();
        });
        command->trigger();
        QVERIFY(!doc.IsModified());
        QCOMPARE(static_cast<int>(blockOf(doc)[6055]), 0);
        QCOMPARE(m_answers->pending(), 0);
        doc.SetModifiedFlag(false);
    }

private:
    void openSheet(int variant, const std::string& settings)
    {
        m_sheet.reset();
        m_doc = std::make_unique<kx::CKanalyxDoc>();
        m_doc->OnOpenDocument(m_dir->write("list.tll", fileWith(variant, settings)));
        m_sheet = std::make_unique<MoreSettingsSheet>(*m_doc, m_dir->path(), 1252);
        m_sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_sheet.get()));
    }

    QComboBox* list(CountrySetting setting) const { return m_sheet->countryPage()->list(setting); }

    QString moreCell(int row) const
    {
        return m_sheet->morePage()->list()->model()->index(row, 2).data().toString();
    }

    std::unique_ptr<kx::test::TempDir> m_dir;
    std::unique_ptr<kx::guitest::ModalAnswers> m_answers;
    std::unique_ptr<kx::CKanalyxDoc> m_doc;
    std::unique_ptr<MoreSettingsSheet> m_sheet;
};

QTEST_MAIN(SettingsSheetTest)
#include "settingssheet_test.moc"
