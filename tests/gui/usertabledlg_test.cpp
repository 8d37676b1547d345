#include <array>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "app/settingsprofile.h"
#include "dialogs/usertabledlg.h"
#include "guitestsupport.h"
#include "model/charactertable.h"
#include "model/namecodec.h"
#include "platform/codepage.h"
#include "support/tempdir.h"

using kx::CUserTableDlg;
using kx::TableCell;

namespace {

// A point well inside the cell of column i and row j (cells are 24 pixels from (34, 34)).
QPoint inCell(int i, int j)
{
    return {34 + 24 * i + 5, 34 + 24 * j + 7};
}

std::string fileBytes(const std::filesystem::path& path)
{
    return kx::test::readFile(path);
}

// Replaces the edit box's text by typing, as a user does over the selected character.
void typeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace

class UserTableDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<kx::test::TempDir>(); }

    void withoutCodeDat_everyCellShowsItsOwnByte()
    {
        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        QCOMPARE(dialog.model().cellText({0xA, 4}), std::string("\xC3\x8A")); // 0xCA: Ê
        QCOMPARE(dialog.editBox()->text(), QStringLiteral("€"));              // 0x80
        QCOMPARE(dialog.editBox()->geometry(), QRect(35, 35, 24, 24));
        QCOMPARE(dialog.editBox()->selectedText(), QStringLiteral("€"));
    }

    void shorterCodeDat_replacesOnlyTheEntriesItHolds()
    {
        m_folder->write("code.dat", "AB");
        CUserTableDlg dialog(m_folder->path(), 1252);
        QCOMPARE(dialog.model().cellText({0, 0}), std::string("A"));
        QCOMPARE(dialog.model().cellText({1, 0}), std::string("B"));
        QCOMPARE(dialog.model().cellText({2, 0}), std::string("\xE2\x80\x9A")); // 0x82: ‚
    }

    void click_storesTheTypedCharacterAndMovesTheBoxToTheClickedCell()
    {
        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        typeInto(dialog.editBox(), "Q");
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, inCell(3, 2));
        QCOMPARE(dialog.model().table()[0], std::uint8_t{'Q'});
        QCOMPARE(dialog.model().selected(), (TableCell{3, 2}));
        // Byte 0xA3 is the pound sign.
        QCOMPARE(dialog.editBox()->text(), QStringLiteral("£"));
        QCOMPARE(dialog.editBox()->geometry(), QRect(35 + 72, 35 + 48, 24, 24));
        QCOMPARE(dialog.focusWidget(), dialog.editBox());
    }

    void click_withAnEmptyBoxOrTwoCharacters_keepsTheEntry()
    {
        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        typeInto(dialog.editBox(), "");
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, inCell(1, 0));
        typeInto(dialog.editBox(), "xy");
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, inCell(2, 0));
        QCOMPARE(dialog.model().table()[0], std::uint8_t{0x80});
        QCOMPARE(dialog.model().table()[1], std::uint8_t{0x81});
        QCOMPARE(dialog.model().selected(), (TableCell{2, 0}));
    }

    void clickOnTheSelectedCell_storesAndKeepsIt_clickOutsideChangesNothing()
    {
        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, inCell(15, 7));
        typeInto(dialog.editBox(), "z");
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, inCell(15, 7));
        QCOMPARE(dialog.model().table()[127], std::uint8_t{'z'});
        QCOMPARE(dialog.model().selected(), (TableCell{15, 7}));

        typeInto(dialog.editBox(), "w");
        // Right of the last column and on the headings.
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(418, 100));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(45, 20));
        QCOMPARE(dialog.model().table()[127], std::uint8_t{'z'});
        QCOMPARE(dialog.editBox()->text(), QStringLiteral("w"));
    }

    void cellWithoutACharacter_showsTheReplacementAndKeepsItsByte()
    {
        // Byte 0x81 has no character in the Western European code page.
        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, inCell(1, 0));
        QCOMPARE(dialog.editBox()->text(), QStringLiteral("\uFFFD"));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, inCell(2, 0));
        QCOMPARE(dialog.model().table()[1], std::uint8_t{0x81});
    }

    void repaint_keepsACharacterTypedButNotYetStored()
    {
        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        typeInto(dialog.editBox(), "k");
        dialog.repaint();
        QCOMPARE(dialog.editBox()->text(), QStringLiteral("k"));
    }

    void gridLines_arePaintedEvery24Pixels()
    {
        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        const QImage image = dialog.grab().toImage();
        const QColor line = dialog.palette().color(QPalette::WindowText);
        // Vertical lines at x = 34 + 24 i, horizontal ones at y = 34 + 24 j; a row of pixels
        // through the middle of a row crosses only the vertical lines.
        for (const int x : {34, 58, 418}) {
            QCOMPARE(image.pixelColor(x, 140), line);
        }
        QVERIFY(image.pixelColor(59, 140) != line);
        QCOMPARE(image.pixelColor(200, 226), line);
        QVERIFY(image.pixelColor(200, 227) != line);
    }

    void boxRefusesCharactersTheCodePageCannotHold()
    {
        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        typeInto(dialog.editBox(), "");
        QTest::sendKeyEvent(QTest::Click, dialog.editBox(), Qt::Key_unknown, QStringLiteral("Ж"),
                            {});
        QCOMPARE(dialog.editBox()->text(), QString());
        QTest::sendKeyEvent(QTest::Click, dialog.editBox(), Qt::Key_unknown, QStringLiteral("Ö"),
                            {});
        QCOMPARE(dialog.editBox()->text(), QStringLiteral("Ö"));
    }

    void ok_writes128BytesWithTheLastTypedCharacter_cancelWritesNothing()
    {
        {
            CUserTableDlg dialog(m_folder->path(), 1252);
            dialog.show();
            typeInto(dialog.editBox(), "Z");
            QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QVERIFY(!std::filesystem::exists(m_folder->file("code.dat")));

        CUserTableDlg dialog(m_folder->path(), 1252);
        dialog.show();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, inCell(1, 0));
        typeInto(dialog.editBox(), "Z");
        QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        std::string expected;
        for (int k = 0; k < 128; ++k) {
            expected += static_cast<char>(128 + k);
        }
        expected[1] = 'Z';
        QCOMPARE(fileBytes(m_folder->file("code.dat")), expected);
    }

    void ok_whenCodeDatCannotBeWritten_showsWhyAndStaysOpen()
    {
        kx::guitest::ModalAnswers answers;
        answers.expectButton(QStringLiteral("OK"));
        const std::filesystem::path missing = m_folder->path() / "no such folder";
        CUserTableDlg dialog(missing, 1252);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
        QTRY_COMPARE(answers.seen.size(), 1);
        QVERIFY2(answers.seen.first().contains("code.dat"), qPrintable(answers.seen.first()));
        QVERIFY(dialog.isVisible());
        dialog.reject();
    }

    void userSettingsCommand_writesCodeDatThatTheCodecThenUses()
    {
        kx::guitest::clearSettings();
        kx::SettingsProfile profile;
        profile.setInt(kx::kCodecSection, kx::kCharacterValue, kx::kTableUser);
        profile.setInt(kx::kCodecSection, kx::kCodePageValue, 1252);
        const QString folder = QString::fromStdString(m_folder->path().string());
        kx::CKanalyxApp app(folder);
        QVERIFY(app.InitInstance({}, {false, false}));
        QAction* command = app.mainFrame()->action(kx::CMainFrame::Command::UserSettings);
        QVERIFY(command->isEnabled());

        kx::guitest::handleNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<CUserTableDlg*>(modal);
            QVERIFY(dialog != nullptr);
            typeInto(dialog->editBox(), "Ö");
            QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        command->trigger();

        QCOMPARE(fileBytes(m_folder->file("code.dat")).substr(0, 2), std::string("\xD6\x81"));
        // A stored name byte 0x80 now reads as the character put into the table.
        std::array<std::uint8_t, kx::kNameFieldSize> field{};
        field[0] = 0x80;
        field[1] = 'x';
        QCOMPARE(kx::Decode(field, 2, app.mainFrame()->codec()), std::string("\xC3\x96x"));
    }

private:
    std::unique_ptr<kx::test::TempDir> m_folder;
};

QTEST_MAIN(UserTableDlgTest)
#include "usertabledlg_test.moc"
