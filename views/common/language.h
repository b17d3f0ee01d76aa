#pragma once
// The languages of the analysis window and of the report it writes. The window follows the
// system's language (French for a French locale, English otherwise) unless the user chooses;
// the report has a language of its own, so that a French user may write to an English client.
// The devices' own windows keep their English texts whatever the language.

#include <QLocale>
#include <QString>

enum class Language { English, French };

// French when the system's locale is French (LANG=fr_FR.UTF-8), else English.
Language SystemLanguage();

// The language of the windows; installs its translators (this program's and Qt's own dialogs')
// into the application, replacing those of the language before.
Language WindowLanguage();
void SetWindowLanguage(Language language);

// "fr" or "en", and back; false (language unchanged) for any other code.
QString LanguageCode(Language language);
bool LanguageFromCode(const QString& code, Language& language);

// A text of the report in language: source is the English text, marked for the translation
// files with QT_TRANSLATE_NOOP(context, source), or QT_TRANSLATE_NOOP3 with a disambiguation
// where one English word is two French ones ("none": "aucun", "aucune"). With a count n (and
// QT_TRANSLATE_N_NOOP), the form of n is chosen and "%n" is replaced by n.
QString Translated(Language language, const char* context, const char* source,
                   const char* disambiguation = nullptr, int n = -1);

// How numbers and dates are written in language: "78,5" in French, "78.5" in English.
QLocale LocaleOf(Language language);
