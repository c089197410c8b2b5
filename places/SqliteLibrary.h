// SQLite's C library, loaded on the first search rather than linked: linked,
// its symbols would join every symbol look-up of the program's start.
#pragma once

#include <QString>
#include <sqlite3.h>

namespace horavela {

// The functions the places database uses, with SQLite's own types.
struct SqliteLibrary {
    decltype(&sqlite3_open_v2) open_v2 = nullptr;
    decltype(&sqlite3_close) close = nullptr;
    decltype(&sqlite3_errmsg) errmsg = nullptr;
    decltype(&sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&sqlite3_finalize) finalize = nullptr;
    decltype(&sqlite3_step) step = nullptr;
    decltype(&sqlite3_reset) reset = nullptr;
    decltype(&sqlite3_bind_text) bind_text = nullptr;
    decltype(&sqlite3_bind_int) bind_int = nullptr;
    decltype(&sqlite3_bind_int64) bind_int64 = nullptr;
    decltype(&sqlite3_column_text) column_text = nullptr;
    decltype(&sqlite3_column_blob) column_blob = nullptr;
    decltype(&sqlite3_column_bytes) column_bytes = nullptr;
    decltype(&sqlite3_column_int) column_int = nullptr;
    decltype(&sqlite3_column_int64) column_int64 = nullptr;
};

// Loaded once and never unloaded; null when the library or one of its
// functions is missing, and then `why` says what.
const SqliteLibrary* sqliteLibrary(QString* why);

} // namespace horavela
