#pragma once

#include <memory>

#include <QLibrary>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

#include "app/manualdialog.h"
#include "app/settingsprofile.h"

namespace kx {

class CKanalyxDoc;
class CMainFrame;

// Starts the editor: reads the user-interface language and loads its library, creates the main
// window and opens the file that the command line names. Handles the language commands, the
// manual and the About box. One instance lives for the program's run (tests make several, one after
// another).
class CKanalyxApp : public QObject
{
    Q_OBJECT

public:
    // User-interface languages as "INTERFEIS"/"LANG" stores them; other values act as English.
    enum Language
    {
        English = 0,
        Russian = 1,
        German = 2,
    };

    // programFolder: the folder of the running program (unless a test says otherwise), from which
    // the language libraries and the side files that come with the program are found.
    explicit CKanalyxApp(QString programFolder);
    ~CKanalyxApp() override;

    struct Options
    {
        // Show the main window (tests may keep it hidden).
        bool show = true;
    };

    // Runs start-up with the program's arguments (without the program name). Returns false when
    // the program should end at once.
    bool InitInstance(const QStringList& arguments, const Options& options);
    bool InitInstance(const QStringList& arguments) { return InitInstance(arguments, Options{}); }

    // The language read at start-up (the value stored in the profile).
    int language() const { return m_language; }
    // True when a language library was loaded and its translation is in use.
    bool languageLibraryLoaded() const { return m_libraryLoaded; }
    CMainFrame* mainFrame() const { return m_frame.get(); }
    CKanalyxDoc* document() const { return m_doc.get(); }
    SettingsProfile& profile() { return m_profile; }

    // The language commands: store the choice, then tell the user it needs a restart.
    void OnLanguage(int language);
    void OnAppAbout();
    // Shows the manual beside the window (one at a time).
    void OnHelpManual();
    ManualDialog* manual() const { return m_manual; }

    // The file name of the library of a language, or an empty string for English.
    static QString languageLibraryName(int language);

private:
    void loadLanguageLibrary();
    // Gives the window and the records the dialogs that other parts of the program provide.
    void installDialogs();
    void connectFrame();
    void updateLanguageChecks();

    QString m_programFolder;
    SettingsProfile m_profile;
    int m_language = English;
    QLibrary m_library;
    QTranslator m_translator;
    // Qt's own texts (file dialogs, standard buttons) when the system has them in the language.
    QTranslator m_qtTranslator;
    bool m_libraryLoaded = false;
    std::unique_ptr<CKanalyxDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    QPointer<ManualDialog> m_manual;
};

} // namespace kx
