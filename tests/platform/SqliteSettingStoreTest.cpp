#include "platform/posix/SqliteSettingStore.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

#include "platform/TimeText.h"
#include "support/TempDirectory.h"

namespace guard {

namespace {

constexpr std::int64_t kSecond = 1000000;
constexpr std::int64_t kDay = 86400 * kSecond;
constexpr std::int64_t kMonday = 1700438400 * kSecond; // Mon, 20 Nov 2023 00:00:00 UTC

bool exists(const std::string& path)
{
    struct stat status { };
    return ::stat(path.c_str(), &status) == 0;
}

class SettingStoreTest : public testing::Test {
protected:
    std::string databasePath() const { return temp / "settings.db"; }

    bool write(SettingStore& store, std::string_view name, std::string_view text, std::int64_t date, bool& superseded)
    {
        return store.setText("Client", name, text, date, superseded);
    }

    // Runs SQL on the file directly, as another program could.
    void executeDirectly(const char* sql)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(databasePath().c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    TempDirectory temp;
};

} // namespace

TEST_F(SettingStoreTest, AMissingFileHoldsNoSettingsAndReadingDoesNotCreateIt)
{
    Platform::SqliteSettingStore store(databasePath(), "client");
    EXPECT_EQ(store.getText("Client", "_ArdoClient_Cryptography_FipsMode"), std::nullopt);
    int listed = 0;
    EXPECT_TRUE(store.list("Client", [&](const StoredSetting&) { ++listed; }));
    EXPECT_EQ(listed, 0);
    EXPECT_FALSE(store.deleteText("Client", "x"));
    EXPECT_TRUE(store.deleteSetting("Client", "x"));
    EXPECT_FALSE(exists(databasePath()));
}

TEST_F(SettingStoreTest, AFileThatCannotBeReadHoldsNoSettingsAndSaysWhy)
{
    temp.Write("settings.db", "this is not a database, but it is long enough to be taken for one's header...");
    Platform::SqliteSettingStore store(databasePath(), "client");
    EXPECT_EQ(store.getText("Client", "x"), std::nullopt);
    EXPECT_EQ(store.readError(), "the settings database " + databasePath() + " cannot be read: file is not a database");
    int listed = 0;
    EXPECT_FALSE(store.list("Client", [&](const StoredSetting&) { ++listed; }));

    // A database without the table holds no settings, and that is no error.
    ::unlink(databasePath().c_str());
    executeDirectly("CREATE TABLE other (x)");
    Platform::SqliteSettingStore other(databasePath(), "client");
    EXPECT_EQ(other.getText("Client", "x"), std::nullopt);
    EXPECT_EQ(other.readError(), "");
    EXPECT_TRUE(other.list("Client", [&](const StoredSetting&) { ++listed; }));
    EXPECT_EQ(listed, 0);
}

TEST_F(SettingStoreTest, AnEarlierDateIsRefusedAnEqualOrLaterOneAccepted)
{
    Platform::SqliteSettingStore store(databasePath(), "client");
    bool superseded = true;
    EXPECT_TRUE(write(store, "Colour", "blue", kMonday, superseded));
    EXPECT_FALSE(superseded);
    EXPECT_TRUE(exists(databasePath()));

    EXPECT_FALSE(write(store, "Colour", "red", kMonday - kSecond, superseded));
    EXPECT_TRUE(superseded);
    EXPECT_EQ(store.getText("Client", "Colour"), "blue");

    EXPECT_TRUE(write(store, "Colour", "green", kMonday, superseded));
    EXPECT_FALSE(superseded);
    EXPECT_EQ(store.getText("Client", "Colour"), "green");

    EXPECT_TRUE(write(store, "Colour", "black", kMonday + kDay, superseded));
    std::optional<StoredSetting> setting = store.getSetting("Client", "Colour");
    ASSERT_TRUE(setting);
    EXPECT_EQ(setting->text, "black");
    EXPECT_EQ(setting->effectiveDate, kMonday + kDay);

    // A fresh store over the same file sees the same, and keeps the rule.
    Platform::SqliteSettingStore again(databasePath(), "client");
    EXPECT_FALSE(write(again, "Colour", "white", kMonday, superseded));
    EXPECT_TRUE(superseded);
    EXPECT_EQ(again.getText("Client", "Colour"), "black");
}

TEST_F(SettingStoreTest, NamesMatchInAnyLetterCaseStoresAndSubsectionsAreApart)
{
    Platform::SqliteSettingStore client(databasePath(), "client");
    Platform::SqliteSettingStore site(databasePath(), "site");
    bool superseded = false;
    ASSERT_TRUE(write(client, "_ArdoClient_Cryptography_FipsMode", "required", kMonday, superseded));
    EXPECT_EQ(client.getText("client", "_ARDOCLIENT_CRYPTOGRAPHY_FIPSMODE"), "required");
    EXPECT_EQ(client.getText("CLIENT", "_ardoclient_cryptography_fipsmode"), "required");
    EXPECT_EQ(client.getText("CustomSites", "_ArdoClient_Cryptography_FipsMode"), std::nullopt);
    EXPECT_EQ(site.getText("Client", "_ArdoClient_Cryptography_FipsMode"), std::nullopt);

    // A write in another letter case is the same setting.
    ASSERT_TRUE(write(client, "_ARDOCLIENT_CRYPTOGRAPHY_FIPSMODE", "none", kMonday, superseded));
    int listed = 0;
    client.list("Client", [&](const StoredSetting& setting) {
        ++listed;
        EXPECT_EQ(setting.name, "_ArdoClient_Cryptography_FipsMode");
        EXPECT_EQ(setting.text, "none");
    });
    EXPECT_EQ(listed, 1);
}

TEST_F(SettingStoreTest, OnlyTextCountsNumbersStayNumbersAndTextStaysText)
{
    Platform::SqliteSettingStore store(databasePath(), "client");
    bool superseded = false;
    // Text that looks like a number stays text.
    ASSERT_TRUE(write(store, "Count", "0042", kMonday, superseded));
    EXPECT_EQ(store.getText("Client", "Count"), "0042");
    ASSERT_TRUE(write(store, "Bytes", std::string_view("a\0b", 3), kMonday, superseded));
    EXPECT_EQ(store.getText("Client", "Bytes"), std::string("a\0b", 3));

    executeDirectly("UPDATE setting SET value = 42 WHERE name = 'Count'");
    EXPECT_EQ(store.getText("Client", "Count"), std::nullopt);
    executeDirectly("UPDATE setting SET value = x'6869' WHERE name = 'Bytes'");
    EXPECT_EQ(store.getText("Client", "Bytes"), std::nullopt);

    // An unreadable effective date counts as none: any write wins over it.
    executeDirectly("INSERT INTO setting VALUES ('client', 'Client', 'Odd', 'old', 'last Tuesday')");
    EXPECT_EQ(store.getSetting("Client", "Odd")->effectiveDate, kNoEffectiveDate);
    EXPECT_TRUE(write(store, "Odd", "new", INT64_MIN + 1, superseded));
    EXPECT_EQ(store.getText("Client", "Odd"), "new");
}

TEST_F(SettingStoreTest, DeletingTheTextTheDateOrTheSetting)
{
    Platform::SqliteSettingStore store(databasePath(), "client");
    bool superseded = false;
    ASSERT_TRUE(write(store, "A", "1", kMonday, superseded));
    EXPECT_TRUE(store.deleteEffectiveDate("Client", "A"));
    // Without a date, an earlier write is no longer refused.
    EXPECT_TRUE(write(store, "A", "2", kMonday - kDay, superseded));
    EXPECT_TRUE(store.deleteText("Client", "A"));
    EXPECT_EQ(store.getText("Client", "A"), std::nullopt);
    EXPECT_TRUE(store.deleteText("Client", "A")) << "a text already gone counts as deleted";
    EXPECT_TRUE(store.deleteSetting("Client", "a"));
    EXPECT_FALSE(store.deleteText("Client", "A")) << "no such setting";
    EXPECT_TRUE(store.deleteSetting("Client", "A")) << "a missing setting counts as deleted";
    EXPECT_TRUE(store.flush("Client"));
}

TEST_F(SettingStoreTest, TheSubsectionViewReadsIntoABufferAndWritesAsOfNow)
{
    Platform::SqliteSettingStore store(databasePath(), "client");
    SubsectionStore client(store, "Client", [] { return kMonday; });
    ASSERT_TRUE(client.setText("Mode", "required"));
    ASSERT_TRUE(client.setInteger("Big", std::int64_t(-9000000000)));
    EXPECT_EQ(client.getText("Big"), "-9000000000");
    EXPECT_EQ(store.getSetting("Client", "Mode")->effectiveDate, kMonday);

    std::array<char, 32> buffer{};
    EXPECT_TRUE(client.getText("Mode", buffer.data(), buffer.size()));
    EXPECT_EQ(std::string(buffer.data()), "required");
    // At most size - 2 bytes of text fit.
    ASSERT_TRUE(client.setText("Mode", std::string(30, 'x')));
    EXPECT_TRUE(client.getText("Mode", buffer.data(), buffer.size()));
    ASSERT_TRUE(client.setText("Mode", std::string(31, 'x')));
    EXPECT_FALSE(client.getText("Mode", buffer.data(), buffer.size()));
    EXPECT_FALSE(client.getText("Missing", buffer.data(), buffer.size()));
}

TEST_F(SettingStoreTest, AnAnsweredWriteSurvivesTheWriterBeingKilled)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    if (child == 0) {
        Platform::SqliteSettingStore store(databasePath(), "client");
        bool superseded = false;
        char answer = store.setText("Client", "Durable", "kept", kMonday, superseded) ? 'y' : 'n';
        if (::write(ready[1], &answer, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ASSERT_GT(child, 0);
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(answer, 'y');
    EXPECT_TRUE(WIFSIGNALED(status));

    Platform::SqliteSettingStore store(databasePath(), "client");
    EXPECT_EQ(store.getText("Client", "Durable"), "kept");
}

TEST_F(SettingStoreTest, OfTwoConcurrentWritersTheLatestDateWins)
{
    // One writer climbs through the dates, the other starts at the latest
    // and goes down: whatever the interleaving, the latest date must stay.
    constexpr int kWrites = 60;
    auto writer = [&](bool climbing) {
        Platform::SqliteSettingStore store(databasePath(), "client");
        int refused = 0;
        for (int i = 0; i < kWrites; ++i) {
            int step = climbing ? i : kWrites - i;
            std::int64_t date = kMonday + step * kSecond;
            bool superseded = false;
            if (!store.setText("Client", "Race", std::to_string(step), date, superseded)) {
                if (!superseded)
                    ::_exit(2); // a failure other than the rule
                ++refused;
            }
        }
        (void)refused;
        ::_exit(0);
    };
    // Both start from an existing file, so neither creates it.
    {
        Platform::SqliteSettingStore store(databasePath(), "client");
        bool superseded = false;
        ASSERT_TRUE(store.setText("Client", "Race", "start", kMonday - kDay, superseded));
    }
    std::array<pid_t, 2> children{};
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i] = ::fork();
        if (children[i] == 0)
            writer(i == 0);
        ASSERT_GT(children[i], 0);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    Platform::SqliteSettingStore store(databasePath(), "client");
    std::optional<StoredSetting> setting = store.getSetting("Client", "Race");
    ASSERT_TRUE(setting);
    EXPECT_EQ(setting->text, std::to_string(kWrites));
    EXPECT_EQ(setting->effectiveDate, kMonday + kWrites * kSecond);
}

TEST_F(SettingStoreTest, TheDatabaseComesFromTheEnvironment)
{
    ::setenv("GUARD_SETTINGS_DB", databasePath().c_str(), 1);
    EXPECT_EQ(Platform::settingsDatabasePath(), databasePath());
    ::setenv("GUARD_SETTINGS_DB", "", 1);
    EXPECT_EQ(Platform::settingsDatabasePath(), "/var/lib/guard/settings.db");
    ::unsetenv("GUARD_SETTINGS_DB");
    EXPECT_EQ(Platform::settingsDatabasePath(), "/var/lib/guard/settings.db");
}

} // namespace guard
