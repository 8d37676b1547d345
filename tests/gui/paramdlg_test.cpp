#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "dialogs/paramdlg.h"
#include "dialogs/simplecombo.h"

using kx::CParamDlg;

namespace {

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class ParamDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void lineFromAdd_opensUntypedWithAnEmptyDisabledValueList()
    {
        std::string line = "Volume;01A2;2";
        CParamDlg dialog(line, 1);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add"));
        QCOMPARE(dialog.nameBox()->text(), QStringLiteral("Volume"));
        QStringList items;
        for (int i = 0; i < dialog.typeBox()->count(); ++i) {
            items << dialog.typeBox()->itemText(i);
        }
        QCOMPARE(items,
                 QStringList({"None (0)", "User (1)", "Country (2)", "Lang (3)", "Menu (4)"}));
        QCOMPARE(dialog.typeBox()->currentIndex(), 0);
        QVERIFY(!dialog.valueBox()->isEnabled());
        QCOMPARE(dialog.valueBox()->items(), QStringList());
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(line, std::string("Volume;01A2"));
    }

    void typeChoice_decidesTheLengthAndTypeFields_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("written");
        QTest::newRow("lang") << 1 << 3 << "Volume;01A2;3;3";
        QTest::newRow("menu") << 1 << 4 << "Volume;01A2;1;4";
        QTest::newRow("country, variant 1") << 1 << 2 << "Volume;01A2;2;2";
        QTest::newRow("country, variant 2") << 2 << 2 << "Volume;01A2;3;2";
    }

    void typeChoice_decidesTheLengthAndTypeFields()
    {
        QFETCH(int, variant);
        QFETCH(int, type);
        QFETCH(QString, written);
        std::string line = "Volume;01A2;2";
        CParamDlg dialog(line, variant);
        dialog.show();
        dialog.typeBox()->setCurrentIndex(type);
        QVERIFY(!dialog.valueBox()->isEnabled());
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(line), written);
    }

    void userValues_enterAndAddParametrAppend_okWritesEveryValue()
    {
        std::string line = "Mode;0030;2";
        CParamDlg dialog(line, 1);
        dialog.show();
        dialog.typeBox()->setCurrentIndex(1);
        QVERIFY(dialog.valueBox()->isEnabled());
        QLineEdit* value = dialog.valueBox()->lineEdit();
        value->setFocus();
        QTest::keyClicks(value, "Off,0");
        QTest::keyClick(value, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        value->selectAll();
        QTest::keyClicks(value, "On,1");
        QTest::mouseClick(button(&dialog, "addParametr"), Qt::LeftButton);
        QCOMPARE(dialog.valueBox()->items(), QStringList({"Off,0", "On,1"}));
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QCOMPARE(line, std::string("Mode;0030;1;1;Off,0;On,1;"));
    }

    void enter_neverClosesTheDialog()
    {
        std::string line = "Mode;0030;2";
        CParamDlg dialog(line, 1);
        dialog.show();
        QTest::keyClick(dialog.nameBox(), Qt::Key_Return);
        QTest::keyClick(dialog.typeBox(), Qt::Key_Return);
        for (const char* name : {"ok", "delete", "cancel", "addParametr"}) {
            QPushButton* focused = button(&dialog, name);
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key_Return);
            QTest::keyClick(focused, Qt::Key_Enter);
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(line, std::string("Mode;0030;2"));
        // Enter adds nothing to a disabled value list, nor an empty item to an enabled one.
        QVERIFY(dialog.valueBox()->items().isEmpty());
        dialog.typeBox()->setCurrentIndex(1);
        QTest::keyClick(dialog.valueBox()->lineEdit(), Qt::Key_Return);
        QVERIFY(dialog.valueBox()->items().isEmpty());
    }

    void delete_removesTheChosenValue_cancelLeavesTheLine()
    {
        std::string line = "Mode;0030;1;1;Off,0;On,1;Auto,2;";
        CParamDlg dialog(line, 2);
        dialog.show();
        QCOMPARE(dialog.typeBox()->currentIndex(), 1);
        QCOMPARE(dialog.valueBox()->items(), QStringList({"Off,0", "On,1", "Auto,2"}));
        QListWidget* values = dialog.valueBox()->list();
        QTest::mouseClick(values->viewport(), Qt::LeftButton, {},
                          values->visualItemRect(values->item(1)).center());
        QCOMPARE(dialog.valueBox()->editText(), QStringLiteral("On,1"));
        QTest::mouseClick(button(&dialog, "delete"), Qt::LeftButton);
        QCOMPARE(dialog.valueBox()->items(), QStringList({"Off,0", "Auto,2"}));
        QTest::mouseClick(button(&dialog, "cancel"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(line, std::string("Mode;0030;1;1;Off,0;On,1;Auto,2;"));
    }

    void valuesOfAnotherType_areShownButDisabled()
    {
        std::string line = "Land;0100;2;2;x,1;y,2";
        CParamDlg dialog(line, 1);
        QCOMPARE(dialog.typeBox()->currentIndex(), 2);
        QCOMPARE(dialog.valueBox()->items(), QStringList({"x,1", "y,2"}));
        QVERIFY(!dialog.valueBox()->isEnabled());
        dialog.typeBox()->setCurrentIndex(1);
        QVERIFY(dialog.valueBox()->isEnabled());
    }

    void typedTextThatNamesNoType_writesNoTypeFields()
    {
        std::string line = "Volume;01A2;3;3";
        CParamDlg dialog(line, 1);
        dialog.show();
        QCOMPARE(dialog.typeBox()->currentIndex(), 3);
        dialog.typeBox()->lineEdit()->selectAll();
        QTest::keyClicks(dialog.typeBox()->lineEdit(), "Other");
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QCOMPARE(line, std::string("Volume;01A2"));
    }
};

QTEST_MAIN(ParamDlgTest)
#include "paramdlg_test.moc"
