#include "LocalizedText.h"

#include "PreferenceKeys.h"
#include "Preferences.h"
#include "util/Log.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <memory>

namespace {

constexpr std::array<const char*, kLanguageCount> kTableNames{
    "English", "TraditionalChinese", "SimplifiedChinese", "Russian", "Korean", "Czech",
    "Dutch", "French", "German", "Hungarian", "Italian", "Polish", "Spanish", "Arabic",
    "Lithuanian", "Romanian", "Slovakian", "Portuguese", "Slovinian", "Thai", "Turkish",
    "Japanese",
};

// Qt's own translations (the buttons and labels of standard dialogs), by language id. Qt ships
// no table for some of these; those dialogs stay in English.
constexpr std::array<const char*, kLanguageCount> kQtLocales{
    "en", "zh_TW", "zh_CN", "ru", "ko", "cs", "nl", "fr", "de", "hu", "it",
    "pl", "es", "ar", "lt", "ro", "sk", "pt_BR", "sl", "th", "tr", "ja",
};

int knownLanguage(int languageId)
{
    return languageId >= 0 && languageId < kLanguageCount ? languageId : kLanguageEnglish;
}

// The loaded table. Switching tables reloads this one translator, so the application never
// holds more than one and lookups never fall through to a stale language.
struct LoadedTable {
    QString name;
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<QTranslator> qtTranslator;
    bool installed = false;
};

std::unique_ptr<QTranslator> loadQtTranslator(int languageId)
{
    auto translator = std::make_unique<QTranslator>();
    const int id = knownLanguage(languageId);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_") + kQtLocales[static_cast<size_t>(id)], folder))
        return nullptr;
    return translator;
}

LoadedTable& loadedTable()
{
    static LoadedTable table;
    return table;
}

QTranslator& translatorForCurrentLanguage()
{
    LoadedTable& table = loadedTable();
    const int languageId = getLanguageId();
    const QString wanted = pmLanguageTableName(languageId);
    if (!table.translator || table.name != wanted) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(wanted, ":/i18n")) {
            pmWriteLog(("pmLoadString - no string table " + wanted).toStdString());
        }
        if (table.installed) {
            QCoreApplication::removeTranslator(table.translator.get());
            if (table.qtTranslator)
                QCoreApplication::removeTranslator(table.qtTranslator.get());
            table.installed = false;
        }
        table.translator = std::move(translator);
        table.qtTranslator = loadQtTranslator(languageId);
        table.name = wanted;
    }
    // qtTrId answers from the application's translators, so the table follows the language
    // there too once an application object exists.
    if (!table.installed && QCoreApplication::instance()) {
        table.installed = QCoreApplication::installTranslator(table.translator.get());
        if (table.qtTranslator)
            QCoreApplication::installTranslator(table.qtTranslator.get());
    }
    return *table.translator;
}

} // namespace

QString pmLanguageTableName(int languageId)
{
    const bool hasTable = languageId >= 0 && languageId < kLanguageCount;
    return QString::fromLatin1(kTableNames[hasTable ? languageId : kLanguageEnglish]);
}

QString pmLoadString(const char* key)
{
    const QString text = translatorForCurrentLanguage().translate(nullptr, key);
    return text.isEmpty() ? QString::fromUtf8(key) : text;
}

QString pmLoadString(const QString& key)
{
    return pmLoadString(key.toUtf8().constData());
}

void pmInstallLanguageTranslator()
{
    translatorForCurrentLanguage();
}

QLocale pmCurrentLanguageLocale()
{
    return QLocale(QString::fromLatin1(kQtLocales[static_cast<size_t>(knownLanguage(getLanguageId()))]));
}
