// The fonts of the Indian languages' scripts that the tests draw with: without
// the language's own font its glyphs are boxes, not what a user sees.
#pragma once

#include <QFontDatabase>
#include <QLocale>
#include <QMap>
#include <QString>

namespace horavela {

// The language's font when this system lacks it; empty when it has it, or
// when the language needs none of these.
inline QString missingScriptFont(QLocale::Language language) {
    static const QMap<QLocale::Language, const char*> fonts{
        {QLocale::Hindi, "Lohit Devanagari"},  {QLocale::Marathi, "Lohit Devanagari"},
        {QLocale::Tamil, "Lohit Tamil"},       {QLocale::Telugu, "Lohit Telugu"},
        {QLocale::Kannada, "Lohit Kannada"},   {QLocale::Malayalam, "Lohit Malayalam"},
        {QLocale::Gujarati, "Lohit Gujarati"}, {QLocale::Punjabi, "Lohit Gurmukhi"},
        {QLocale::Bengali, "Lohit Bengali"},   {QLocale::Odia, "Lohit Odia"}};
    const auto font = fonts.find(language);
    if (font == fonts.end() || QFontDatabase::hasFamily(QString::fromLatin1(*font)))
        return {};
    return QString::fromLatin1(*font);
}

} // namespace horavela
