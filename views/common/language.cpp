#include "views/common/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// This program's translations are compiled in; Qt's own come with the system's Qt.
std::unique_ptr<QTranslator> LoadOwn(Language language) {
    auto translator = std::make_unique<QTranslator>();
    if (language == Language::French && translator->load(QStringLiteral(":/i18n/vrdview_fr.qm")))
        return translator;
    return nullptr;
}

QTranslator* ReportTranslator(Language language) {
    static const std::unique_ptr<QTranslator> french = LoadOwn(Language::French);
    return language == Language::French ? french.get() : nullptr;
}

struct Installed {
    Language language = Language::English;
    bool chosen = false;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

} // namespace

Language SystemLanguage() {
    return QLocale::system().language() == QLocale::French ? Language::French : Language::English;
}

Language WindowLanguage() {
    Installed& installed = Current();
    if (!installed.chosen)
        SetWindowLanguage(SystemLanguage());
    return installed.language;
}

void SetWindowLanguage(Language language) {
    Installed& installed = Current();
    if (installed.own)
        QCoreApplication::removeTranslator(installed.own.get());
    if (installed.qt)
        QCoreApplication::removeTranslator(installed.qt.get());
    installed.own = LoadOwn(language);
    installed.qt.reset();
    if (language == Language::French) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installed.qt = std::move(qt);
    }
    if (installed.own)
        QCoreApplication::installTranslator(installed.own.get());
    if (installed.qt)
        QCoreApplication::installTranslator(installed.qt.get());
    installed.language = language;
    installed.chosen = true;
}

QString LanguageCode(Language language) {
    return language == Language::French ? QStringLiteral("fr") : QStringLiteral("en");
}

bool LanguageFromCode(const QString& code, Language& language) {
    if (code == QStringLiteral("fr"))
        language = Language::French;
    else if (code == QStringLiteral("en"))
        language = Language::English;
    else
        return false;
    return true;
}

QString Translated(Language language, const char* context, const char* source,
                   const char* disambiguation, int n) {
    QString text;
    if (const QTranslator* translator = ReportTranslator(language))
        text = translator->translate(context, source, disambiguation, n);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    if (n >= 0)
        text.replace(QStringLiteral("%n"), QString::number(n));
    return text;
}

QLocale LocaleOf(Language language) {
    QLocale locale = language == Language::French
                         ? QLocale(QLocale::French, QLocale::France)
                         : QLocale(QLocale::English, QLocale::UnitedKingdom);
    // Levels are written "1234,5", never with a thousands separator.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}
