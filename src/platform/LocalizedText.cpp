#include "LocalizedText.h"

#include "PreferenceKeys.h"
#include "Preferences.h"
#include "util/Log.h"

#include <QCoreApplication>
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

// The loaded table. Switching tables reloads this one translator, so the application never
// holds more than one and lookups never fall through to a stale language.
struct LoadedTable {
    QString name;
    std::unique_ptr<QTranslator> translator;
    bool installed = false;
};

LoadedTable& loadedTable()
{
    static LoadedTable table;
    return table;
}

QTranslator& translatorForCurrentLanguage()
{
    LoadedTable& table = loadedTable();
    const QString wanted = pmLanguageTableName(getLanguageId());
    if (!table.translator || table.name != wanted) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(wanted, ":/i18n")) {
            pmWriteLog(("pmLoadString - no string table " + wanted).toStdString());
        }
        if (table.installed) {
            QCoreApplication::removeTranslator(table.translator.get());
            table.installed = false;
        }
        table.translator = std::move(translator);
        table.name = wanted;
    }
    // qtTrId answers from the application's translators, so the table follows the language
    // there too once an application object exists.
    if (!table.installed && QCoreApplication::instance()) {
        table.installed = QCoreApplication::installTranslator(table.translator.get());
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
