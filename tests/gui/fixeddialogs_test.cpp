#include <QtTest>

#include "app/aboutbox.h"
#include "dialogs/channeldlg.h"
#include "dialogs/datablockdlg.h"
#include "dialogs/importdlg.h"
#include "dialogs/paramdlg.h"
#include "support/tempdir.h"

// The dialogs that keep the size of their contents offer no maximize button.
class FixedDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void fixedSizeDialogs_haveOnlyACloseButton()
    {
        std::string line = "Volume;01A2;2";
        std::vector<std::uint8_t> record(176, 0);
        std::vector<std::uint8_t> block(32, 0);
        kx::test::TempDir folder;
        kx::CAboutBox about;
        kx::CParamDlg parameter(line, 1);
        kx::CImportDlg import;
        kx::CChannelDlg channel(record, 1252);
        kx::CDataBlockDlg dataBlock(block, 1, folder.path(), 1252);
        for (QDialog* dialog :
             std::initializer_list<QDialog*>{&about, &parameter, &import, &channel, &dataBlock}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const Qt::WindowFlags flags = dialog->windowFlags();
            QVERIFY2(flags.testFlag(Qt::CustomizeWindowHint) &&
                         !flags.testFlag(Qt::WindowMaximizeButtonHint) &&
                         !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
                         flags.testFlag(Qt::WindowCloseButtonHint),
                     dialog->metaObject()->className());
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        }
    }
};

QTEST_MAIN(FixedDialogsTest)
#include "fixeddialogs_test.moc"
