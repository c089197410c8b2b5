// The settings Horavela keeps between runs (the language, the home place), in
// the platform's usual place: an INI file under ~/.config on Linux, the
// registry on Windows, a property list on macOS.
#pragma once

#include <QSettings>

namespace horavela {

class KeptSettings : public QSettings {
public:
    KeptSettings();

    // Whether the settings could be read, as they stand now. Qt reads a file
    // once for the whole program and tells only that first reader of a
    // damaged one; this tells every reader of the file until it changes.
    Status readStatus() const;
};

} // namespace horavela
