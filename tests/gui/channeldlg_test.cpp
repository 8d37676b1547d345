#include <random>
#include <vector>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "dialogs/channeldlg.h"
#include "dialogs/hexbytesedit.h"
#include "document/kanalyxdoc.h"
#include "guitestsupport.h"
#include "model/channelrec.h"
#include "platform/codepage.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"
#include "views/channellistwidget.h"

using kx::CChannelDlg;
using kx::CHexBytesEdit;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr int kSymbolRate = 1034;
constexpr int kNummer2 = 1026;
constexpr int kFrequency = 1028;
constexpr int kOnid = 1030;
constexpr int kTsid = 1036;
constexpr int kTmp7 = 1023;
constexpr int kTmp11 = 1014;
constexpr int kName1 = 1011;
constexpr int kName2 = 1037;

// Random record bytes whose two 40-byte name fields (at nameOffset and copyOffset) hold non-zero
// bytes up to a zero at a random place.
Bytes randomRecord(std::size_t size, std::size_t nameOffset, std::size_t copyOffset,
                   std::mt19937& random)
{
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> nonZero(1, 255);
    std::uniform_int_distribution<std::size_t> end(0, 39);
    Bytes raw(size);
    for (auto& b : raw) {
        b = static_cast<std::uint8_t>(byte(random));
    }
    for (const std::size_t field : {nameOffset, copyOffset}) {
        const std::size_t zero = end(random);
        for (std::size_t i = 0; i < zero; ++i) {
            raw[field + i] = static_cast<std::uint8_t>(nonZero(random));
        }
        raw[field + zero] = 0;
    }
    return raw;
}

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

// Types text into a box at its start, as a user does after clicking into it.
void typeAtStart(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClicks(box, text);
}

} // namespace

class ChannelDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void ok_withoutTyping_leavesRandomRecordsOfBothLayoutsByteIdentical()
    {
        std::mt19937 random(20240611);
        for (int round = 0; round < 20; ++round) {
            for (const auto& [size, name, copy] :
                 {std::tuple{164, 28, 116}, std::tuple{176, 30, 128}}) {
                Bytes raw = randomRecord(size, name, copy, random);
                const Bytes before = raw;
                CChannelDlg dialog(raw, 1252);
                dialog.show();
                QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
                QCOMPARE(dialog.result(), int(QDialog::Accepted));
                QVERIFY2(raw == before,
                         qPrintable(QStringLiteral("round %1, %2 bytes").arg(round).arg(size)));
            }
        }
    }

    void ok_withoutTyping_leavesEveryRealRecordByteIdentical_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("164 bytes") << "xx2350D-PZM00001.TLL.in";
        QTest::newRow("176 bytes") << "xxLX9500-ZA00001.TLL.in";
    }

    void ok_withoutTyping_leavesEveryRealRecordByteIdentical()
    {
        KX_REQUIRE_REALDATA_QT();
        QFETCH(QString, file);
        kx::CKanalyxDoc doc;
        doc.OnOpenDocument(QDir(kx::guitest::realDataDir()).filePath(file).toStdString());
        // Records spread over both digital lists; each dialog takes a few milliseconds.
        std::vector<const kx::CChannelRec*> records;
        for (const kx::ListKind kind : {kx::ListKind::Radio, kx::ListKind::DigitalTV}) {
            for (int row = 0; row < doc.ChannelCount(kind); ++row) {
                records.push_back(&doc.Channel(kind, row));
            }
        }
        QVERIFY(records.size() > 300);
        for (std::size_t i = 0; i < records.size(); i += records.size() / 25) {
            const auto stored = records[i]->raw();
            Bytes raw(stored.begin(), stored.end());
            const Bytes before = raw;
            CChannelDlg dialog(raw, 1252);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY2(raw == before, qPrintable(QString::number(i)));
        }
    }

    void cancel_afterEdits_leavesTheBytes()
    {
        std::mt19937 random(7);
        Bytes raw = randomRecord(176, 30, 128, random);
        const Bytes before = raw;
        CChannelDlg dialog(raw, 1252);
        dialog.show();
        typeAtStart(dialog.control(kFrequency), "12345678");
        typeAtStart(dialog.control(kSymbolRate), "0000FFFF");
        dialog.control(kName1)->setText("Renamed");
        QTest::mouseClick(button(&dialog, "cancel"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(raw == before);
    }

    void typedDigits_storeTheFieldInItsOwnWidth_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("storedAfter");
        // The 176-byte layout shows the 2-byte symbol rate at 102 as four bytes; the 164-byte
        // layout shows the 1-byte "Nummer2" at 112 as two.
        QTest::newRow("symbol rate, 176 bytes")
            << 176 << kSymbolRate << 102 << QByteArray("\x11\x11") << "00 00 11 11 "
            << "00012345" << QByteArray("\x45\x23");
        QTest::newRow("Nummer2, 164 bytes")
            << 164 << kNummer2 << 112 << QByteArray("\x7F\x5A") << "00 7F "
            << "1234" << QByteArray("\x34\x5A");
    }

    void typedDigits_storeTheFieldInItsOwnWidth()
    {
        QFETCH(int, size);
        QFETCH(int, control);
        QFETCH(int, offset);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QByteArray, storedAfter);
        Bytes raw(static_cast<std::size_t>(size), 0);
        std::copy(stored.begin(), stored.end(), raw.begin() + offset);
        Bytes expected(static_cast<std::size_t>(size), 0);
        std::copy(storedAfter.begin(), storedAfter.end(), expected.begin() + offset);
        CChannelDlg dialog(raw, 1252);
        dialog.show();
        QCOMPARE(dialog.control(control)->text(), shown);
        typeAtStart(dialog.control(control), typed);
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QVERIFY(raw == expected);
    }

    void unusedBoxes_areEmptyAndTakeNoTyping()
    {
        Bytes longRecord(176, 0xAB);
        CChannelDlg longDialog(longRecord, 1252);
        for (const int id : {kOnid, kTsid, kTmp11}) {
            QVERIFY(!longDialog.control(id)->isEnabled());
            QVERIFY(longDialog.control(id)->text().isEmpty());
        }
        QVERIFY(longDialog.control(kTmp7)->isEnabled());

        Bytes shortRecord(164, 0xAB);
        CChannelDlg shortDialog(shortRecord, 1252);
        QVERIFY(!shortDialog.control(kTmp7)->isEnabled());
        QVERIFY(shortDialog.control(kTmp7)->text().isEmpty());
        QCOMPARE(shortDialog.control(kOnid)->text(), QStringLiteral("AB AB "));
    }

    void names_areCutToTheirFieldAndNothingPastIt()
    {
        Bytes raw(164, 0x55);
        raw[28] = 0;
        raw[116] = 0;
        Bytes expected = raw;
        CChannelDlg dialog(raw, 1252);
        dialog.show();
        QCOMPARE(dialog.control(kName1)->maxLength(), 40);
        const QString forty(40, QLatin1Char('N'));
        dialog.control(kName1)->setText(forty + QStringLiteral("XYZ"));
        dialog.control(kName2)->setText(QStringLiteral("Copy"));
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        std::fill(expected.begin() + 28, expected.begin() + 68, std::uint8_t{'N'});
        const char copy[] = "Copy";
        std::copy(copy, copy + 5, expected.begin() + 116);
        QVERIFY(raw == expected);
    }

    void nameTheCodePageCannotHold_isReportedAndNothingIsStored()
    {
        kx::guitest::ModalAnswers answers;
        answers.expectButton(QStringLiteral("OK"));
        Bytes raw(164, 0x31);
        raw[28] = 0;
        raw[116] = 0;
        const Bytes before = raw;
        CChannelDlg dialog(raw, 1252);
        dialog.show();
        typeAtStart(dialog.control(kFrequency), "99");
        dialog.control(kName1)->setFocus();
        QTest::sendKeyEvent(QTest::Click, dialog.control(kName1), Qt::Key_unknown,
                            QStringLiteral("Ж"), {});
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QTRY_COMPARE(answers.seen.size(), 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(raw == before);
        dialog.reject();
    }

    void rightDoubleClickOnAChannel_opensTheDialogAndOkIsAStepOfTheHistory()
    {
        kx::guitest::clearSettings();
        kx::test::TempDir folder;
        kx::test::TllBuilder file(1);
        file.digital(kx::test::RecordBytes(1).numberWord(1).name("One").frequency(474000));
        file.digital(kx::test::RecordBytes(1).numberWord(2).name("Two").frequency(482000));
        file.settings(std::string(16, '\0'));
        const auto path = folder.write("list.tll", file.build());
        kx::CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({QString::fromStdString(path.string())}, {false, true}));
        QVERIFY(QTest::qWaitForWindowExposed(app.mainFrame()));
        kx::ChannelListWidget* tv = app.mainFrame()->listWidget(kx::ListKind::DigitalTV);
        auto doubleClick = [tv](int row, int column) {
            const QPoint at = tv->visualRect(tv->model()->index(row, column)).center();
            QTest::mouseClick(tv->viewport(), Qt::RightButton, {}, at);
            QTest::mouseDClick(tv->viewport(), Qt::RightButton, {}, at);
        };

        kx::guitest::ModalAnswers answers;
        answers.expect([](QWidget* modal) {
            auto* dialog = qobject_cast<CChannelDlg*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->control(kFrequency)->text(), QStringLiteral("00 07 5A D0 "));
            typeAtStart(dialog->control(kFrequency), "00BC614E");
            QTest::mouseClick(button(dialog, "ok"), Qt::LeftButton);
        });
        // The first double-click focuses the row, the second on a column past the first opens it.
        doubleClick(1, 0);
        QCOMPARE(answers.seen.size(), 0);
        doubleClick(1, 2);
        QCOMPARE(answers.seen, QStringList({"Channel"}));
        QVERIFY(app.document()->IsModified());
        const auto raw = tv->list().itemData(1)->raw();
        QCOMPARE(Bytes(raw.begin() + 96, raw.begin() + 100), Bytes({0x4E, 0x61, 0xBC, 0x00}));
        QCOMPARE(tv->list().itemText(1, 3), QString("12345678").toStdString());
        app.mainFrame()->action(kx::CMainFrame::Command::EditUndo)->trigger();
        QCOMPARE(Bytes(raw.begin() + 96, raw.begin() + 100), Bytes({0xD0, 0x5A, 0x07, 0x00}));
        QVERIFY(!app.document()->IsModified());
    }

    void hexBox_overwritesDigitsAndSkipsTheBlanks()
    {
        CHexBytesEdit box;
        box.show();
        box.SetValue(0x0A, 1);
        QCOMPARE(box.text(), QStringLiteral("0A "));
        QCOMPARE(box.maxLength(), 3);
        box.setCursorPosition(0);
        QTest::keyClick(&box, Qt::Key_F);
        QCOMPARE(box.text(), QStringLiteral("FA "));
        QCOMPARE(box.cursorPosition(), 1);
        QTest::keyClicks(&box, "3");
        QCOMPARE(box.text(), QStringLiteral("F3 "));
        QCOMPARE(box.cursorPosition(), 0);
        QCOMPARE(box.GetValue(), 0xF3U);

        box.SetValue(0x1234, 2);
        QCOMPARE(box.text(), QStringLiteral("12 34 "));
        // On the blank the digit goes to the next pair; letters a-f count as A-F.
        box.setCursorPosition(2);
        QTest::keyClicks(&box, "c");
        QCOMPARE(box.text(), QStringLiteral("12 C4 "));
        QCOMPARE(box.cursorPosition(), 4);
        // Backspace and characters that are no hex digits are dropped.
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, "g-");
        QCOMPARE(box.text(), QStringLiteral("12 C4 "));
        QCOMPARE(box.GetValue(), 0x12C4U);
    }

    void hexBox_aTextThatNoLongerReadsGivesTheValueSet()
    {
        CHexBytesEdit box;
        box.show();
        box.SetValue(0x80000001, 4);
        QCOMPARE(box.text(), QStringLiteral("80 00 00 01 "));
        // Delete works as in any edit box; the text is then one character short.
        box.setCursorPosition(11);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.text(), QStringLiteral("80 00 00 01"));
        QCOMPARE(box.GetValue(), 0x80000001U);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.GetValue(), 0x80000001U);
    }
};

QTEST_MAIN(ChannelDlgTest)
#include "channeldlg_test.moc"
