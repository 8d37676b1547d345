#include "app/kanalyxapp.h"

#include <memory>
#include <unordered_map>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>

#include "app/aboutbox.h"
#include "app/mainframe.h"
#include "app/manualdialog.h"
#include "app/moresettingssheet.h"
#include "dialogs/channeldlg.h"
#include "dialogs/datablockdlg.h"
#include "dialogs/usertabledlg.h"
#include "document/kanalyxdoc.h"
#include "gui/coretext.h"
#include "model/channelrec.h"
#include "model/namecodec.h"
#include "platform/programfolder.h"
#include "platform/sidefiles.h"
#include "platform/strings.h"

namespace kx {

namespace {

constexpr const char* kLanguageSection = "INTERFEIS";
constexpr const char* kLanguageValue = "LANG";
// Where a language library's resource puts its translation.
constexpr const char* kTranslationFolder = ":/lang";

} // namespace

CKanalyxApp::CKanalyxApp(QString programFolder) : m_programFolder(std::move(programFolder))
{}

CKanalyxApp::~CKanalyxApp()
{
    m_frame.reset();
    m_doc.reset();
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (m_libraryLoaded) {
        QCoreApplication::removeTranslator(&m_translator);
    }
}

QString CKanalyxApp::languageLibraryName(int language)
{
    switch (language) {
    case Russian:
        return QStringLiteral("libpelmora.so");
    case German:
        return QStringLiteral("libtarvina.so");
    default:
        return {};
    }
}

bool CKanalyxApp::InitInstance(const QStringList& arguments, const Options& options)
{
    m_language = m_profile.getInt(kLanguageSection, kLanguageValue, English);
    loadLanguageLibrary();

    const std::filesystem::path programFolder(QFile::encodeName(m_programFolder).toStdString());
    m_doc = std::make_unique<CKanalyxDoc>();
    m_frame = std::make_unique<CMainFrame>(*m_doc, m_profile, programFolder);
    installDialogs();
    connectFrame();

    if (options.show) {
        m_frame->show();
    }

    // The first argument that is not an option names the file to open. A file that cannot be
    // opened is reported, and the window stays open without it.
    for (const QString& argument : arguments) {
        if (!argument.startsWith('-')) {
            m_frame->openDocumentFile(argument);
            break;
        }
    }
    return true;
}

void CKanalyxApp::installDialogs()
{
    FrameDialogs dialogs;
    const SideFiles sideFiles =
        SideFiles::forProgram(QFile::encodeName(m_programFolder).toStdString());
    dialogs.moreSettings = [sideFiles](QWidget* parent, CKanalyxDoc& doc,
                                       const CodecSettings& codec) {
        return MoreSettingsSheet::run(parent, doc, sideFiles, codec.systemCodePage);
    };
    dialogs.dataBlock = [sideFiles](QWidget* parent, CKanalyxDoc& doc, const CodecSettings& codec) {
        CDataBlockDlg::run(parent, doc, sideFiles, codec.systemCodePage);
    };
    dialogs.userSettings = [sideFiles](QWidget* parent, const CodecSettings& codec) {
        return CUserTableDlg::run(parent, sideFiles, codec.systemCodePage);
    };
    dialogs.channel = [](QWidget* parent, std::span<std::uint8_t> record,
                         const RecordLayout& layout, const CodecSettings& codec) {
        CChannelDlg dialog(record, layout, codec.systemCodePage, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    m_frame->setDialogs(std::move(dialogs));
}

void CKanalyxApp::loadLanguageLibrary()
{
    const QString name = languageLibraryName(m_language);
    if (name.isEmpty()) {
        return;
    }
    // Beside the program in a build folder, in the private library folder once installed.
    const std::filesystem::path programFolder(QFile::encodeName(m_programFolder).toStdString());
    for (const std::filesystem::path& folder : LibraryFolders(programFolder)) {
        const QString path = QDir(QFile::decodeName(folder.c_str())).filePath(name);
        if (QFile::exists(path)) {
            m_library.setFileName(path);
            break;
        }
    }
    // The translator reads the library's memory: the library must stay until the process ends.
    m_library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!m_library.load()) {
        return;
    }
    const QStringList translations =
        QDir(QLatin1String(kTranslationFolder)).entryList({QStringLiteral("*.qm")}, QDir::Files);
    if (translations.isEmpty() ||
        !m_translator.load(
            QDir(QLatin1String(kTranslationFolder)).filePath(translations.first()))) {
        return;
    }
    QCoreApplication::installTranslator(&m_translator);
    const QString qtTranslation =
        QStringLiteral("qtbase_") +
        (m_language == Russian ? QStringLiteral("ru") : QStringLiteral("de"));
    if (m_qtTranslator.load(qtTranslation, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qtTranslator);
    }
    m_libraryLoaded = true;
}

void CKanalyxApp::connectFrame()
{
    using Command = CMainFrame::Command;
    const std::array<std::pair<Command, int>, 3> languages = {
        std::pair{Command::LanguageEnglish, English},
        std::pair{Command::LanguageRussian, Russian},
        std::pair{Command::LanguageGerman, German},
    };
    for (const auto& [command, language] : languages) {
        connect(m_frame->action(command), &QAction::triggered, this,
                [this, language = language] { OnLanguage(language); });
    }
    updateLanguageChecks();
    connect(m_frame->action(Command::AppAbout), &QAction::triggered, this,
            &CKanalyxApp::OnAppAbout);
    connect(m_frame->action(Command::HelpManual), &QAction::triggered, this,
            &CKanalyxApp::OnHelpManual);
}

void CKanalyxApp::updateLanguageChecks()
{
    using Command = CMainFrame::Command;
    m_frame->action(Command::LanguageEnglish)->setChecked(m_language == English);
    m_frame->action(Command::LanguageRussian)->setChecked(m_language == Russian);
    m_frame->action(Command::LanguageGerman)->setChecked(m_language == German);
}

void CKanalyxApp::OnLanguage(int language)
{
    m_profile.setInt(kLanguageSection, kLanguageValue, language);
    // The marks keep showing the language of this run; the new one applies at the next start.
    updateLanguageChecks();
    QMessageBox::information(m_frame.get(), coreText(ids::kAppTitle),
                             coreText(ids::kRestartMessage));
}

void CKanalyxApp::OnHelpManual()
{
    if (m_manual == nullptr) {
        // A window of its own beside the main window, closed with it.
        m_manual = new ManualDialog(m_frame.get());
    }
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

void CKanalyxApp::OnAppAbout()
{
    CAboutBox box(m_frame.get());
    box.exec();
}

} // namespace kx
