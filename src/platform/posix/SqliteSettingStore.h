#pragma once
// Settings kept in an SQLite database file, one row per (store, subsection,
// name) with the setting's text and its effective date (the text form of a
// time in the machine's local zone, see TimeText.h).
//
// A missing database file means no settings: reading never creates it (it
// is looked for before anything is opened), and a write creates it. A file
// without the table holds no settings either; a file that exists but cannot
// be read (damaged, not a database, not readable) reads as no settings too,
// and readError() then says why. Names
// compare ignoring ASCII letter case. The value columns have no type
// affinity, so text stays text and a number stored there reads as missing.
// A write checks the stored effective date and writes in one immediate
// transaction, so of two writers only the later date can win; with
// synchronous=FULL a write that answered true is on disk.
#include <string>

#include "platform/SettingStore.h"
#include "platform/SubsectionStore.h"

struct sqlite3;

namespace guard {

namespace Platform {

class SqliteSettingStore final : public SettingStore {
public:
    // `store` names the store inside the file ("client" or "site").
    SqliteSettingStore(std::string path, std::string store);
    ~SqliteSettingStore() override;
    SqliteSettingStore(const SqliteSettingStore&) = delete;
    SqliteSettingStore& operator=(const SqliteSettingStore&) = delete;

    const std::string& path() const { return path_; }

    std::optional<std::string> getText(std::string_view subsection, std::string_view name) override;
    std::optional<StoredSetting> getSetting(std::string_view subsection, std::string_view name) override;
    bool setText(std::string_view subsection, std::string_view name, std::string_view text, std::int64_t effectiveDate,
                 bool& superseded) override;
    bool deleteText(std::string_view subsection, std::string_view name) override;
    bool deleteEffectiveDate(std::string_view subsection, std::string_view name) override;
    bool deleteSetting(std::string_view subsection, std::string_view name) override;
    bool flush(std::string_view subsection) override;
    bool list(std::string_view subsection, const std::function<void(const StoredSetting&)>& visit) override;
    std::string_view readError() const override { return readError_; }

private:
    // The open database, or null: for reading, null when the file does not
    // exist or cannot be opened; for writing, the file is created.
    sqlite3* forReading();
    sqlite3* forWriting();
    void close();
    void noteReadError();
    bool clearColumn(std::string_view subsection, std::string_view name, const char* column);

    std::string path_;
    std::string store_;
    sqlite3* db_ = nullptr;
    bool writable_ = false;
    std::string readError_;
};

// The database file: $GUARD_SETTINGS_DB when set and not empty, else
// /var/lib/guard/settings.db.
std::string settingsDatabasePath();

// The process's client store and site store over that file, and the
// client store's two subsections, each made on first use.
SettingStore& clientSettingStore();
SettingStore& siteSettingStore();
SubsectionStore& clientSettings();
SubsectionStore& customSiteSettings();

} // namespace Platform

} // namespace guard
