#include "places/SqliteLibrary.h"

#include <QLibrary>

namespace horavela {

namespace {

template <typename Function> bool resolve(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace

const SqliteLibrary* sqliteLibrary(QString* why) {
    static QString failure;
    static const SqliteLibrary* const loaded = []() -> const SqliteLibrary* {
        // 0 is the soname's version on Linux; Windows and macOS name the
        // library without it.
        QLibrary library(QStringLiteral("sqlite3"), 0);
        if (!library.load()) {
            library.setFileName(QStringLiteral("sqlite3"));
            if (!library.load()) {
                failure = library.errorString();
                return nullptr;
            }
        }
        static SqliteLibrary api;
        const bool complete = resolve(library, api.open_v2, "sqlite3_open_v2") &&
                              resolve(library, api.close, "sqlite3_close") &&
                              resolve(library, api.errmsg, "sqlite3_errmsg") &&
                              resolve(library, api.prepare_v2, "sqlite3_prepare_v2") &&
                              resolve(library, api.finalize, "sqlite3_finalize") &&
                              resolve(library, api.step, "sqlite3_step") &&
                              resolve(library, api.reset, "sqlite3_reset") &&
                              resolve(library, api.bind_text, "sqlite3_bind_text") &&
                              resolve(library, api.bind_int, "sqlite3_bind_int") &&
                              resolve(library, api.bind_int64, "sqlite3_bind_int64") &&
                              resolve(library, api.column_text, "sqlite3_column_text") &&
                              resolve(library, api.column_blob, "sqlite3_column_blob") &&
                              resolve(library, api.column_bytes, "sqlite3_column_bytes") &&
                              resolve(library, api.column_int, "sqlite3_column_int") &&
                              resolve(library, api.column_int64, "sqlite3_column_int64");
        if (!complete) {
            failure = library.errorString();
            return nullptr;
        }
        return &api;
    }();
    if (!loaded && why)
        *why = failure;
    return loaded;
}

} // namespace horavela
