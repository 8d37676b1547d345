#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

#include "app/aboutbox.h"
#include "app/charsetbar.h"
#include "app/filetyperegistration.h"
#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "app/manualdialog.h"
#include "gui/coretext.h"
#include "guitestsupport.h"
#include "platform/sidefiles.h"
#include "platform/strings.h"
#include "views/channellistwidget.h"

using kx::CKanalyxApp;
using Command = kx::CMainFrame::Command;

namespace {

constexpr CKanalyxApp::Options kQuiet{false};

QStringList menuTitles(const QMainWindow& window)
{
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions()) {
        titles << menu->text();
    }
    return titles;
}

struct LanguageChecks
{
    bool english;
    bool russian;
    bool german;
};

LanguageChecks languageChecks(const kx::CMainFrame& frame)
{
    return {frame.action(Command::LanguageEnglish)->isChecked(),
            frame.action(Command::LanguageRussian)->isChecked(),
            frame.action(Command::LanguageGerman)->isChecked()};
}

// Triggers a language command and returns the text of the message box it shows.
QString languageCommandMessage(const kx::CMainFrame& frame, Command command)
{
    QString shown;
    kx::guitest::handleNextModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown = box->text();
        }
    });
    frame.action(command)->trigger();
    return shown;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { kx::guitest::clearSettings(); }

    void firstStart_isEnglishWithEmptyCountPanes()
    {
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        const kx::CMainFrame& frame = *app.mainFrame();
        QCOMPARE(app.language(), 0);
        QVERIFY(!app.languageLibraryLoaded());
        QCOMPARE(menuTitles(frame), QStringList({"&File", "&Edit", "&View", "&Help"}));
        QCOMPARE(frame.messagePaneText(), QStringLiteral("Ready"));
        // Nothing is counted before a file is open.
        for (const auto pane : {kx::CMainFrame::CountPane::TV, kx::CMainFrame::CountPane::FM,
                                kx::CMainFrame::CountPane::DTV}) {
            QCOMPARE(frame.countPaneText(pane), QString());
        }
        const LanguageChecks checks = languageChecks(frame);
        QVERIFY(checks.english && !checks.russian && !checks.german);
    }

    void toolbar_hasTenButtonsWithTheirTipsAndPrompts()
    {
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        QStringList layout;
        for (const QAction* action : app.mainFrame()->toolBar()->actions()) {
            layout << (action->isSeparator() ? QStringLiteral("|")
                                             : action->toolTip() + ':' + action->statusTip());
        }
        QCOMPARE(layout, QStringList({"Open:Open an existing document", "Save:Save active document",
                                      "|", "Up:Move Up", "Down:Move Down", "|",
                                      "Duplicate:Duplicate Selected", "Delete:Remove Selected", "|",
                                      "Undo:Undo last action", "Redo:Redo the last undone action",
                                      "|", "Settings:Advanced Settings", "|",
                                      "About:Display program information, version number and "
                                      "copyright"}));
        for (const QAction* action : app.mainFrame()->toolBar()->actions()) {
            QVERIFY(action->isSeparator() || !action->icon().isNull());
        }
        const kx::CMainFrame& frame = *app.mainFrame();
        QCOMPARE(frame.action(Command::FileOpen)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(frame.action(Command::FileSave)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(frame.action(Command::EditDelete)->shortcut(), QKeySequence(Qt::Key_Delete));
        for (const auto& [command, keys] : {std::pair{Command::EditUp, "Ctrl+Up"},
                                            {Command::EditDown, "Ctrl+Down"},
                                            {Command::EditDuplicate, "Ctrl+D"},
                                            {Command::FileSaveAs, "Ctrl+Shift+S"},
                                            {Command::FileExit, "Ctrl+Q"},
                                            {Command::HelpManual, "F1"}}) {
            QCOMPARE(frame.action(command)->shortcut(), QKeySequence(QString::fromLatin1(keys)));
        }
        QCOMPARE(frame.action(Command::EditUndo)->shortcuts(),
                 QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_Z),
                                      QKeySequence(Qt::ALT | Qt::Key_Backspace)}));
    }

    void russian_takesEveryTextFromTheLibrary()
    {
        kx::SettingsProfile().setInt("INTERFEIS", "LANG", 1);
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        QVERIFY(app.languageLibraryLoaded());
        const kx::CMainFrame& frame = *app.mainFrame();
        QCOMPARE(menuTitles(frame), QStringList({"&Файл", "&Правка", "&Вид", "&Справка"}));
        QCOMPARE(frame.action(Command::LanguageEnglish)->text(),
                 QStringLiteral("Английский(English)"));
        QCOMPARE(frame.action(Command::LanguageRussian)->text(),
                 QStringLiteral("Русский(Russian)"));
        QCOMPARE(frame.action(Command::LanguageGerman)->text(), QStringLiteral("Немецкий(German)"));
        QCOMPARE(frame.action(Command::EditDuplicate)->statusTip(),
                 QStringLiteral("Дублировать выделенное"));
        QCOMPARE(frame.action(Command::EditDuplicate)->toolTip(), QStringLiteral("Дублировать"));
        QCOMPARE(frame.charsetBar()->characterSetCombo()->itemText(2), QStringLiteral("Кириллица"));
        QCOMPARE(kx::coreText(kx::ids::kMoreSettingsCaption), QStringLiteral("Дополнительно"));
        const QAbstractItemModel* analog = frame.listWidget(kx::ListKind::Analog)->model();
        QCOMPARE(analog->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Название"));
        QCOMPARE(frame.messagePaneText(), QStringLiteral("Готово"));
        QVERIFY(languageChecks(frame).russian);

        kx::CAboutBox about;
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(about.findChild<QLabel*>("version")->text(),
                 QStringLiteral("Kanalyx Версия 4.02"));

        QCOMPARE(languageCommandMessage(frame, Command::LanguageRussian),
                 QStringLiteral("Для вступления изменений в силу\n"
                                "необходимо перезапустить программу."));
    }

    void russian_qtsOwnTextsFollow()
    {
        const QString qtTexts =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
        if (!QFile::exists(qtTexts)) {
            QSKIP("Qt's translations are not installed (Debian: qt6-translations-l10n)");
        }
        kx::SettingsProfile().setInt("INTERFEIS", "LANG", 1);
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
                 QStringLiteral("&Имя файла:"));
    }

    void helpManual_showsTheGuideInTheLanguageOfTheRun()
    {
        kx::SettingsProfile().setInt("INTERFEIS", "LANG", 1);
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        app.mainFrame()->action(Command::HelpManual)->trigger();
        QVERIFY(app.manual() != nullptr && app.manual()->isVisible());
        QVERIFY(app.manual()->browser()->toPlainText().contains(QStringLiteral("Сохранить как")));
    }

    void russianRunEnded_englishTextsComeBack()
    {
        {
            kx::SettingsProfile().setInt("INTERFEIS", "LANG", 1);
            CKanalyxApp app(kx::guitest::programFolder());
            QVERIFY(app.InitInstance({}, kQuiet));
        }
        kx::guitest::clearSettings();
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        QCOMPARE(menuTitles(*app.mainFrame()).first(), QStringLiteral("&File"));
        QCOMPARE(kx::coreText(61225), QStringLiteral("Cyrillic"));
    }

    void germanWithoutItsLibrary_staysEnglishWithGermanChecked()
    {
        kx::SettingsProfile().setInt("INTERFEIS", "LANG", 2);
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        QVERIFY(!app.languageLibraryLoaded());
        QCOMPARE(menuTitles(*app.mainFrame()).first(), QStringLiteral("&File"));
        const LanguageChecks checks = languageChecks(*app.mainFrame());
        QVERIFY(!checks.english && !checks.russian && checks.german);
    }

    void russianLibraryMissing_staysEnglish()
    {
        kx::SettingsProfile().setInt("INTERFEIS", "LANG", 1);
        QTemporaryDir emptyFolder;
        CKanalyxApp app(emptyFolder.path());
        QVERIFY(app.InitInstance({}, kQuiet));
        QVERIFY(!app.languageLibraryLoaded());
        QCOMPARE(menuTitles(*app.mainFrame()).first(), QStringLiteral("&File"));
        QVERIFY(languageChecks(*app.mainFrame()).russian);
    }

    void unknownLanguage_englishAndNothingChecked_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("3") << 3;
        QTest::newRow("-1") << -1;
    }

    void unknownLanguage_englishAndNothingChecked()
    {
        QFETCH(int, stored);
        kx::SettingsProfile().setInt("INTERFEIS", "LANG", stored);
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        QVERIFY(!app.languageLibraryLoaded());
        const LanguageChecks checks = languageChecks(*app.mainFrame());
        QVERIFY(!checks.english && !checks.russian && !checks.german);
    }

    void languageCommand_storesChoiceAndKeepsTheMarkOfThisRun()
    {
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({}, kQuiet));
        const kx::CMainFrame& frame = *app.mainFrame();

        QCOMPARE(languageCommandMessage(frame, Command::LanguageRussian),
                 QStringLiteral("You must restart the program to change language"));
        QCOMPARE(kx::SettingsProfile().getInt("INTERFEIS", "LANG", -9), 1);
        LanguageChecks checks = languageChecks(frame);
        QVERIFY(checks.english && !checks.russian && !checks.german);

        // Choosing the language already in use still stores it and still tells the user.
        QVERIFY(!languageCommandMessage(frame, Command::LanguageEnglish).isEmpty());
        QCOMPARE(kx::SettingsProfile().getInt("INTERFEIS", "LANG", -9), 0);
        checks = languageChecks(frame);
        QVERIFY(checks.english && !checks.russian && !checks.german);
    }

    void aboutBox_showsIconVersionAndNotice()
    {
        kx::CAboutBox about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.findChild<QLabel*>("version")->text(), QStringLiteral("Kanalyx ver 4.02"));
        QVERIFY(!about.findChild<QLabel*>("notice")->text().isEmpty());
        bool hasIcon = false;
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            hasIcon = hasIcon || !label->pixmap().isNull();
        }
        QVERIFY(hasIcon);
    }

    void start_writesNothingIntoTheUsersDataFolder()
    {
        QDir dataHome(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
        QVERIFY(dataHome.removeRecursively());
        CKanalyxApp app(kx::guitest::programFolder());
        QVERIFY(app.InitInstance({})); // as main() starts it
        QVERIFY2(!dataHome.exists(), "the file type is registered only when asked for");
    }

    void userDataFolder_isQtsAppDataLocation()
    {
        // The names the editor's main() gives the application.
        const QString organization = QCoreApplication::organizationName();
        const QString application = QCoreApplication::applicationName();
        QCoreApplication::setOrganizationName(QStringLiteral("Velto"));
        QCoreApplication::setApplicationName(QStringLiteral("Kanalyx"));
        const QString qtLocation =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCoreApplication::setOrganizationName(organization);
        QCoreApplication::setApplicationName(application);
        QCOMPARE(QString::fromStdString(kx::SideFiles::userDataFolder().string()), qtLocation);
    }

    void fileType_writtenOnceAndRefreshedWhenChanged()
    {
        QTemporaryDir dataHome;
        const QString executable = QStringLiteral("/opt/my tools/kanalyx");
        using Outcome = kx::FileTypeRegistration::Outcome;
        QCOMPARE(kx::FileTypeRegistration::registerForUser(dataHome.path(), executable),
                 Outcome::Written);
        QCOMPARE(kx::FileTypeRegistration::registerForUser(dataHome.path(), executable),
                 Outcome::AlreadyThere);

        QFile entry(dataHome.filePath("applications/kanalyx.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        entry.close();
        QVERIFY(text.contains("\nExec=\"/opt/my tools/kanalyx\" %f\n"));
        QVERIFY(text.contains("\nMimeType=application/x-kanalyx-tll;\n"));
        QVERIFY(!text.contains('@'));

        QFile package(dataHome.filePath("mime/packages/kanalyx.xml"));
        QVERIFY(package.open(QIODevice::ReadOnly));
        const QByteArray xml = package.readAll();
        QVERIFY(xml.contains("<glob pattern=\"*.tll\"/>"));
        QVERIFY(xml.contains("type=\"application/x-kanalyx-tll\""));
        QVERIFY(QFile::exists(dataHome.filePath("icons/hicolor/scalable/apps/kanalyx.svg")));

        // The program moved: the entry follows it.
        QCOMPARE(kx::FileTypeRegistration::registerForUser(dataHome.path(), "/usr/bin/kanalyx"),
                 Outcome::Written);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("\nExec=\"/usr/bin/kanalyx\" %f\n"));
    }

    void fileType_execQuotesSpecialCharacters()
    {
        const QString entry = kx::FileTypeRegistration::desktopEntry("/a$b/c\"d\\e");
        // $ and " take one backslash, a backslash becomes four in the file.
        QVERIFY2(entry.contains(QStringLiteral("Exec=\"/a\\\\$b/c\\\\\"d\\\\\\\\e\" %f")),
                 qPrintable(entry));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
