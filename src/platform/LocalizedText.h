#pragma once
// Visible texts by key ("IDS_OK", "IDR_MAINFRAME", ...) in the table of the current language.
// Each table is a Qt ID-based translation compiled into the program (":/i18n/<Table>.qm").

#include <QLocale>
#include <QString>

// The key's text in the current language's table; the key itself when the table lacks it.
QString pmLoadString(const char* key);
QString pmLoadString(const QString& key);

// The table that holds a language's texts ("English", "TraditionalChinese", ...); any id
// without a table of its own, negative ones included, gets "English".
QString pmLanguageTableName(int languageId);

// Makes the current language's table the one qtTrId() answers from (needs the application
// object). Every pmLoadString does the same; call this after a language change when code
// relies on qtTrId before its next pmLoadString.
void pmInstallLanguageTranslator();

// The locale of the current language, for dates and numbers spoken or shown in its words.
QLocale pmCurrentLanguageLocale();
