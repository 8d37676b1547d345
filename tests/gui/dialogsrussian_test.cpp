#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include "dialogs/channeldlg.h"
#include "dialogs/datablockdlg.h"
#include "dialogs/paramdlg.h"
#include "dialogs/usertabledlg.h"
#include "guitestsupport.h"
#include "support/tempdir.h"

namespace {

QString buttonText(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
    return button == nullptr ? QStringLiteral("(none)") : button->text();
}

QStringList labels(QWidget* dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

} // namespace

// The dialogs with the Russian library loaded, as the editor runs when Russian is chosen.
class DialogsRussianTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_library.setFileName(QDir(kx::guitest::programFolder()).filePath("libpelmora.so"));
        m_library.setLoadHints(QLibrary::PreventUnloadHint);
        QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
        QVERIFY(m_translator.load(QStringLiteral(":/lang/kanalyx_ru.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }

    void parameterDialog_hasTheRussianTexts()
    {
        std::string line = "Volume;01A2;2";
        kx::CParamDlg dialog(line, 1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавить"));
        QCOMPARE(buttonText(&dialog, "addParametr"), QStringLiteral("Добавить"));
        QCOMPARE(buttonText(&dialog, "cancel"), QStringLiteral("Отмена"));
        QCOMPARE(buttonText(&dialog, "delete"), QStringLiteral("Удалить"));
        QCOMPARE(buttonText(&dialog, "ok"), QStringLiteral("OK"));
        QCOMPARE(labels(&dialog), QStringList({"Имя", "Тип", "Параметр"}));
        QStringList items;
        for (int i = 0; i < dialog.typeBox()->count(); ++i) {
            items << dialog.typeBox()->itemText(i);
        }
        QCOMPARE(items, QStringList(
                            {"Нет (0)", "Пользователь (1)", "Страна (2)", "Язык (3)", "Меню (4)"}));
    }

    void dataBlockDialog_hasTheRussianTexts()
    {
        kx::test::TempDir folder;
        std::vector<std::uint8_t> block(32, 0);
        kx::CDataBlockDlg dialog(block, 1, folder.path(), 1251);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Блок данных"));
        QCOMPARE(buttonText(&dialog, "cancel"), QStringLiteral("Отмена"));
        QCOMPARE(buttonText(&dialog, "add"), QStringLiteral("Добавить"));
        QCOMPARE(buttonText(&dialog, "delete"), QStringLiteral("Удалить"));
        QCOMPARE(buttonText(&dialog, "compare"), QStringLiteral("Сравнить"));
        QCOMPARE(buttonText(&dialog, "ok"), QStringLiteral("OK"));
        QCOMPARE(dialog.statusBox()->text(), QStringLiteral("Адрес: -- Число: 0"));
    }

    void channelDialog_keepsItsEnglishTexts()
    {
        std::vector<std::uint8_t> raw(164, 0);
        kx::CChannelDlg dialog(raw, 1251);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Channel"));
        QCOMPARE(buttonText(&dialog, "ok"), QStringLiteral("OK"));
        QCOMPARE(buttonText(&dialog, "cancel"), QStringLiteral("Cancel"));
        QVERIFY(labels(&dialog).contains(QStringLiteral("Symbol_rate")));
    }

    void characterTable_hasTheRussianTexts()
    {
        kx::test::TempDir folder;
        kx::CUserTableDlg dialog(folder.path(), 1251);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Символы пользователя"));
        QCOMPARE(buttonText(&dialog, "cancel"), QStringLiteral("Отмена"));
    }

private:
    QLibrary m_library;
    QTranslator m_translator;
};

QTEST_MAIN(DialogsRussianTest)
#include "dialogsrussian_test.moc"
