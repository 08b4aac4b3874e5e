#include "platform/posix/SqliteSettingStore.h"

#include <cstdlib>
#include <sqlite3.h>
#include <sys/stat.h>

#include "platform/TimeText.h"

namespace guard {

namespace Platform {

namespace {

constexpr int kBusyTimeoutMilliseconds = 10000;

constexpr const char* kSchema = "CREATE TABLE IF NOT EXISTS setting ("
                                " store TEXT NOT NULL COLLATE NOCASE,"
                                " subsection TEXT NOT NULL COLLATE NOCASE,"
                                " name TEXT NOT NULL COLLATE NOCASE,"
                                // BLOB: no affinity, whatever is stored keeps its own type.
                                " value BLOB,"
                                " effective_date BLOB,"
                                " PRIMARY KEY (store, subsection, name))";

// A prepared statement, finalized when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
            statement_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    explicit operator bool() const { return statement_ != nullptr; }
    sqlite3_stmt* get() const { return statement_; }

    void bind(int index, std::string_view text)
    {
        sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    // Binds the store, subsection and name as parameters 1 to 3.
    void bindKey(std::string_view store, std::string_view subsection, std::string_view name)
    {
        bind(1, store);
        bind(2, subsection);
        bind(3, name);
    }
    int step() { return sqlite3_step(statement_); }

    // The column's text, or nullopt when it holds anything but text.
    std::optional<std::string> text(int column) const
    {
        if (sqlite3_column_type(statement_, column) != SQLITE_TEXT)
            return std::nullopt;
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement_, column));
        return std::string(bytes, size);
    }

private:
    sqlite3_stmt* statement_ = nullptr;
};

bool execute(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

std::int64_t effectiveDateOf(const std::optional<std::string>& text)
{
    if (!text)
        return kNoEffectiveDate;
    return parseTimeText(*text).value_or(kNoEffectiveDate);
}

bool fileExists(const std::string& path)
{
    struct stat status { };
    return ::stat(path.c_str(), &status) == 0;
}

} // namespace

SqliteSettingStore::SqliteSettingStore(std::string path, std::string store)
    : path_(std::move(path)), store_(std::move(store))
{
}

SqliteSettingStore::~SqliteSettingStore() { close(); }

void SqliteSettingStore::close()
{
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
    writable_ = false;
}

sqlite3* SqliteSettingStore::forReading()
{
    if (db_)
        return db_;
    // Looked for first: no settings file is the common case, and opening
    // costs far more than a stat.
    if (!fileExists(path_))
        return nullptr;
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        noteReadError();
        close();
        return nullptr;
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMilliseconds);
    return db_;
}

sqlite3* SqliteSettingStore::forWriting()
{
    if (db_ && writable_)
        return db_;
    close();
    // The folder of the default file may not exist yet on a fresh machine.
    std::string::size_type slash = path_.rfind('/');
    if (slash != std::string::npos && slash > 0)
        ::mkdir(path_.substr(0, slash).c_str(), 0755);
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        close();
        return nullptr;
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMilliseconds);
    if (!execute(db_, "PRAGMA synchronous=FULL") || !execute(db_, kSchema)) {
        close();
        return nullptr;
    }
    writable_ = true;
    return db_;
}

void SqliteSettingStore::noteReadError()
{
    readError_ = "the settings database " + path_ + " cannot be read: " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
}

std::optional<StoredSetting> SqliteSettingStore::getSetting(std::string_view subsection, std::string_view name)
{
    readError_.clear();
    sqlite3* db = forReading();
    if (!db)
        return std::nullopt;
    Statement select(db,
                     "SELECT name, value, effective_date FROM setting"
                     " WHERE store = ?1 AND subsection = ?2 AND name = ?3");
    if (!select) {
        // A database made by something else, without our table, holds no
        // settings; anything else is a database we cannot read.
        if (std::string_view(sqlite3_errmsg(db)).substr(0, 13) != "no such table")
            noteReadError();
        return std::nullopt;
    }
    select.bindKey(store_, subsection, name);
    int step = select.step();
    if (step != SQLITE_ROW) {
        if (step != SQLITE_DONE)
            noteReadError();
        return std::nullopt;
    }
    StoredSetting setting;
    setting.name = select.text(0).value_or(std::string(name));
    std::optional<std::string> text = select.text(1);
    if (!text)
        return std::nullopt;
    setting.text = std::move(*text);
    setting.effectiveDate = effectiveDateOf(select.text(2));
    return setting;
}

std::optional<std::string> SqliteSettingStore::getText(std::string_view subsection, std::string_view name)
{
    std::optional<StoredSetting> setting = getSetting(subsection, name);
    if (!setting)
        return std::nullopt;
    return std::move(setting->text);
}

bool SqliteSettingStore::setText(std::string_view subsection, std::string_view name, std::string_view text,
                                 std::int64_t effectiveDate, bool& superseded)
{
    sqlite3* db = forWriting();
    if (!db)
        return false;
    // Immediate: the write lock is taken before the stored date is read, so
    // no other writer can slip in between the check and the write.
    if (!execute(db, "BEGIN IMMEDIATE"))
        return false;
    bool committed = false;
    {
        Statement select(db, "SELECT effective_date FROM setting WHERE store = ?1 AND subsection = ?2 AND name = ?3");
        Statement upsert(db,
                         "INSERT INTO setting (store, subsection, name, value, effective_date)"
                         " VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT (store, subsection, name)"
                         " DO UPDATE SET value = excluded.value, effective_date = excluded.effective_date");
        if (select && upsert) {
            select.bindKey(store_, subsection, name);
            int found = select.step();
            if (found == SQLITE_ROW || found == SQLITE_DONE) {
                std::int64_t stored = found == SQLITE_ROW ? effectiveDateOf(select.text(0)) : kNoEffectiveDate;
                if (found == SQLITE_ROW && effectiveDate < stored) {
                    superseded = true;
                } else {
                    superseded = false;
                    upsert.bindKey(store_, subsection, name);
                    upsert.bind(4, text);
                    upsert.bind(5, formatTimeText(effectiveDate, localZoneOffset(effectiveDate)));
                    committed = upsert.step() == SQLITE_DONE;
                }
            }
        }
    }
    if (committed)
        return execute(db, "COMMIT");
    execute(db, "ROLLBACK");
    return false;
}

bool SqliteSettingStore::clearColumn(std::string_view subsection, std::string_view name, const char* column)
{
    if (!fileExists(path_))
        return false;
    sqlite3* db = forWriting();
    if (!db)
        return false;
    std::string sql =
        std::string("UPDATE setting SET ") + column + " = NULL WHERE store = ?1 AND subsection = ?2 AND name = ?3";
    Statement update(db, sql.c_str());
    if (!update)
        return false;
    update.bindKey(store_, subsection, name);
    return update.step() == SQLITE_DONE && sqlite3_changes(db) > 0;
}

bool SqliteSettingStore::deleteText(std::string_view subsection, std::string_view name)
{
    return clearColumn(subsection, name, "value");
}

bool SqliteSettingStore::deleteEffectiveDate(std::string_view subsection, std::string_view name)
{
    return clearColumn(subsection, name, "effective_date");
}

bool SqliteSettingStore::deleteSetting(std::string_view subsection, std::string_view name)
{
    // No file: there is nothing to delete, which is what was asked.
    if (!fileExists(path_))
        return true;
    sqlite3* db = forWriting();
    if (!db)
        return false;
    Statement remove(db, "DELETE FROM setting WHERE store = ?1 AND subsection = ?2 AND name = ?3");
    if (!remove)
        return false;
    remove.bindKey(store_, subsection, name);
    return remove.step() == SQLITE_DONE;
}

bool SqliteSettingStore::flush(std::string_view)
{
    // Every accepted write is committed with synchronous=FULL, so there is
    // nothing left to flush; the answer says whether the file is writable.
    return fileExists(path_) && forWriting() != nullptr;
}

bool SqliteSettingStore::list(std::string_view subsection, const std::function<void(const StoredSetting&)>& visit)
{
    sqlite3* db = forReading();
    if (!db)
        return !fileExists(path_);
    Statement select(db,
                     "SELECT name, value, effective_date FROM setting"
                     " WHERE store = ?1 AND subsection = ?2 ORDER BY name");
    if (!select) // a file without the table yet holds no settings
        return sqlite3_errcode(db) == SQLITE_ERROR;
    select.bind(1, store_);
    select.bind(2, subsection);
    int step;
    while ((step = select.step()) == SQLITE_ROW) {
        std::optional<std::string> text = select.text(1);
        if (!text)
            continue;
        visit(StoredSetting{select.text(0).value_or(""), std::move(*text), effectiveDateOf(select.text(2))});
    }
    return step == SQLITE_DONE;
}

std::string settingsDatabasePath()
{
    const char* fromEnvironment = std::getenv("GUARD_SETTINGS_DB");
    if (fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return "/var/lib/guard/settings.db";
}

SettingStore& clientSettingStore()
{
    static SqliteSettingStore store(settingsDatabasePath(), "client");
    return store;
}

SettingStore& siteSettingStore()
{
    static SqliteSettingStore store(settingsDatabasePath(), "site");
    return store;
}

SubsectionStore& clientSettings()
{
    static SubsectionStore subsection(clientSettingStore(), "Client");
    return subsection;
}

SubsectionStore& customSiteSettings()
{
    static SubsectionStore subsection(clientSettingStore(), "CustomSites");
    return subsection;
}

} // namespace Platform

} // namespace guard
