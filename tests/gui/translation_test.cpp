#include <QDir>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "guitestsupport.h"
#include "platform/strings.h"

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
};

// Every translatable text of the program's sources as the translation tools find it now, so a
// text added without a translation is caught even before the translation file is refreshed.
QList<Message> extractMessages(const QString& tsPath)
{
    QStringList arguments = QStringLiteral(KANALYX_LUPDATE_OPTIONS).split('|');
    arguments << QStringLiteral(KANALYX_SOURCE_DIR "/src") << QStringLiteral("-ts") << tsPath;
    QProcess lupdate;
    lupdate.start(QStringLiteral(KANALYX_LUPDATE), arguments);
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0) {
        qWarning() << lupdate.readAllStandardError();
        return {};
    }
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message{context, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            current.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.append(current);
        }
    }
    return messages;
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_library.setFileName(QDir(kx::guitest::programFolder()).filePath("libpelmora.so"));
        m_library.setLoadHints(QLibrary::PreventUnloadHint);
        QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
        QVERIFY(m_translator.load(QStringLiteral(":/lang/kanalyx_ru.qm")));
    }

    void library_exportsItsLanguageNumber()
    {
        using GetLangName = int (*)(void*);
        const auto function = reinterpret_cast<GetLangName>(m_library.resolve("GetLangName"));
        QVERIFY(function != nullptr);
        QCOMPARE(function(nullptr), 1);
    }

    void everyTextOfTheSources_hasARussianTranslation()
    {
        QTemporaryDir folder;
        const QList<Message> messages = extractMessages(folder.filePath("current.ts"));
        QVERIFY2(messages.size() > 100, "the translation tool found too few texts");
        QStringList missing;
        for (const Message& message : messages) {
            const QString text = m_translator.translate(
                qPrintable(message.context), qPrintable(message.source),
                message.comment.isEmpty() ? nullptr : qPrintable(message.comment));
            if (text.isEmpty()) {
                missing << message.context + ": " + message.source;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable("No Russian for:\n" + missing.join('\n')));
    }

    void everyCoreText_hasARussianTranslation()
    {
        QStringList missing;
        for (const auto& [id, english] : kx::Strings::table()) {
            if (m_translator.translate("Strings", english).isEmpty()) {
                missing << QString::number(id) + ": " + english;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable("No Russian for:\n" + missing.join('\n')));
    }

    void quotedTexts_areExact()
    {
        QCOMPARE(
            m_translator.translate("Strings", "You must restart the program to change language"),
            QStringLiteral("Для вступления изменений в силу\n"
                           "необходимо перезапустить программу."));
        QCOMPARE(m_translator.translate("Strings", "More Settings"),
                 QStringLiteral("Дополнительно"));
        QCOMPARE(m_translator.translate("kx::FileCommands", "Channel lists (*.tll *.TLL)"),
                 QStringLiteral("Списки каналов (*.tll *.TLL)"));
        QCOMPARE(m_translator.translate("kx::CAboutBox", "About"), QStringLiteral("О программе"));
        QCOMPARE(m_translator.translate("kx::CAboutBox", "Kanalyx ver 4.02"),
                 QStringLiteral("Kanalyx Версия 4.02"));
        QCOMPARE(m_translator.translate("kx::FrameActions", "Apply &Reference List..."),
                 QStringLiteral("Применить &эталонный список..."));
        QCOMPARE(m_translator.translate("kx::FrameActions", "&Keep Backup on Save"),
                 QStringLiteral("&Делать резервную копию при сохранении"));
        QCOMPARE(m_translator.translate("kx::CompareDock", "%1 moved"),
                 QStringLiteral("перемещено: %1"));
        QCOMPARE(m_translator.translate("kx::ListTitle", "Cable TV"),
                 QStringLiteral("Кабельное ТВ"));
    }

private:
    QLibrary m_library;
    QTranslator m_translator;
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
