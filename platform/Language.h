// The languages Horavela speaks, which one the user keeps, and putting one in
// use: its translation installed and its regional formats made the default.
#pragma once

#include <QString>
#include <array>

namespace horavela {

struct Language {
    const char* code;       // "hi"
    const char* nativeName; // "हिन्दी", as its speakers write it
};

// In the order the language list shows them: the translations, then English.
inline constexpr std::array<Language, 11> Languages{{
    {"hi", "हिन्दी"},
    {"bn", "বাংলা"},
    {"te", "తెలుగు"},
    {"mr", "मराठी"},
    {"ta", "தமிழ்"},
    {"gu", "ગુજરાતી"},
    {"kn", "ಕನ್ನಡ"},
    {"ml", "മലയാളം"},
    {"pa", "ਪੰਜਾਬੀ"},
    {"or", "ଓଡ଼ିଆ"},
    {"en", "English"},
}};

bool isKnownLanguage(const QString& code);

// The code the user chose in the language list, kept between runs; empty for
// the desktop's own language.
QString keptLanguage();
void keepLanguage(const QString& code);

// `chosen` when it is a known code; else the first of the desktop's languages
// in order of preference that Horavela speaks; else "en".
QString languageToSpeak(const QString& chosen);

// Puts `code` in use: its translation replaces the one in use, and its regional
// formats (month names, digits) become QLocale's default. English on a desktop
// without a translation keeps the desktop's formats untouched. Every widget gets
// a LanguageChange event when the translation changes. Returns false when the
// translation's file cannot be loaded; English is then used.
bool useLanguage(const QString& code);

// The code in use: "en" until useLanguage puts another in use.
QString languageInUse();

// `text` with its digits 0 to 9 in the digits of the language in use, where it
// writes its own (Bengali, Marathi); as it is in English, whatever the desktop.
QString localDigits(const QString& text);

// The folder of the translation files: share/horavela/translations beside the
// program's folder, in the build tree as in an installation.
QString translationsFolder();

// For tests, whose programs lie elsewhere than the program's: translations
// come from `folder` while this lives.
class ReplacedTranslationsFolder {
public:
    explicit ReplacedTranslationsFolder(const QString& folder);
    ~ReplacedTranslationsFolder();
    ReplacedTranslationsFolder(const ReplacedTranslationsFolder&) = delete;
    ReplacedTranslationsFolder& operator=(const ReplacedTranslationsFolder&) = delete;

private:
    QString previous_;
};

} // namespace horavela
