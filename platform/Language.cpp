#include "platform/Language.h"

#include "platform/KeptSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace horavela {

namespace {

const QString LanguageKey = QStringLiteral("language");

QString& inUse() {
    static QString code = QStringLiteral("en");
    return code;
}

// The one translator of the program: it carries Qt's own texts that the
// windows show (button captions) beside ours.
QTranslator*& installed() {
    static QTranslator* translator = nullptr;
    return translator;
}

// "ta-IN", "ta_IN" and "ta" are all Tamil.
QString languagePart(const QString& name) {
    return name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

// The formats of `code`: the desktop's own where it speaks that language, so
// that a Tamil desktop in Sri Lanka keeps its own, else the language's usual
// ones. English keeps a desktop whose language has no translation as it is,
// and takes English in the desktop's region otherwise.
QLocale regionalFormats(const QString& code) {
    const QLocale desktop = QLocale::system();
    const QString desktopLanguage = languagePart(desktop.name());
    if (desktopLanguage == code)
        return desktop;
    if (code == u"en")
        return isKnownLanguage(desktopLanguage) ? QLocale(QLocale::English, desktop.territory())
                                                : desktop;
    return QLocale(code);
}

} // namespace

bool isKnownLanguage(const QString& code) {
    for (const Language& language : Languages)
        if (code == QLatin1String(language.code))
            return true;
    return false;
}

QString keptLanguage() {
    const QString code = KeptSettings().value(LanguageKey).toString();
    return isKnownLanguage(code) ? code : QString();
}

void keepLanguage(const QString& code) {
    KeptSettings settings;
    if (code.isEmpty())
        settings.remove(LanguageKey);
    else
        settings.setValue(LanguageKey, code);
}

QString languageToSpeak(const QString& chosen) {
    if (isKnownLanguage(chosen))
        return chosen;
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString code = languagePart(name);
        if (isKnownLanguage(code))
            return code;
    }
    return QStringLiteral("en");
}

namespace {

QString& replacedFolder() {
    static QString folder;
    return folder;
}

} // namespace

QString translationsFolder() {
    if (!replacedFolder().isEmpty())
        return replacedFolder();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/horavela/translations"));
}

ReplacedTranslationsFolder::ReplacedTranslationsFolder(const QString& folder)
    : previous_(replacedFolder()) {
    replacedFolder() = folder;
}

ReplacedTranslationsFolder::~ReplacedTranslationsFolder() {
    replacedFolder() = previous_;
}

bool useLanguage(const QString& code) {
    const bool english = code == u"en" || !isKnownLanguage(code);
    QTranslator* translator = nullptr;
    if (!english) {
        translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral("horavela_") + code, translationsFolder())) {
            delete translator;
            translator = nullptr;
        }
    }
    // English from the start changes nothing: the desktop's formats stay as they are.
    if (!translator && !installed())
        return english;
    if (QTranslator* old = installed()) {
        // Removing a translator sends LanguageChange too.
        QCoreApplication::removeTranslator(old);
        delete old;
        installed() = nullptr;
    }
    if (!translator) {
        QLocale::setDefault(regionalFormats(QStringLiteral("en")));
        inUse() = QStringLiteral("en");
        return english;
    }
    QLocale::setDefault(regionalFormats(code));
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    inUse() = code;
    return true;
}

QString localDigits(const QString& text) {
    if (inUse() == u"en")
        return text;
    const QString zero = QLocale().zeroDigit();
    if (zero == u"0")
        return text;
    QString digits;
    digits.reserve(text.size() * zero.size());
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            // Every digit system of the locales is a run of ten, as in Unicode.
            if (zero.size() == 1) {
                digits += QChar(zero.at(0).unicode() + (c.unicode() - u'0'));
            } else {
                const char32_t code =
                    QChar::surrogateToUcs4(zero.at(0), zero.at(1)) + (c.unicode() - u'0');
                digits += QString::fromUcs4(&code, 1);
            }
        } else {
            digits += c;
        }
    }
    return digits;
}

QString languageInUse() {
    return inUse();
}

} // namespace horavela
