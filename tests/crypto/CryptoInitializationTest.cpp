#include "crypto/CryptoInitialization.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "crypto/CryptoState.h"
#include "crypto/FipsDecision.h"
#include "crypto/Masthead.h"
#include "crypto/OpenSslCertificateContext.h"
#include <openssl/evp.h>
#include "platform/posix/SqliteSettingStore.h"
#include "support/TempDirectory.h"

namespace guard {

namespace {

std::vector<std::string> logged;
void recordLine(std::string_view line) { logged.emplace_back(line); }

// A library whose FIPS switch works or fails as the test says.
class FakeLibrary final : public CryptoLibrary {
public:
    explicit FakeLibrary(bool canEnterFips) : canEnterFips_(canEnterFips) { }
    void setUp() override { ++setUps; }
    bool fipsMode() override { return mode; }
    void setFipsMode(bool on) override
    {
        ++switches;
        if (on && !canEnterFips_)
            throw Ardo_FIPS_mode_set_Failed(failureText);
        mode = on;
    }

    int setUps = 0;
    int switches = 0;
    bool mode = false;
    std::string failureText = "error:1:no provider";

private:
    bool canEnterFips_;
};

class CryptoStartUp : public testing::Test {
protected:
    void SetUp() override
    {
        forgetCryptoInitialization();
        logged.clear();
    }

    void setFipsSetting(std::string_view text)
    {
        bool superseded = false;
        ASSERT_TRUE(store.setText("Client", kFipsModeSetting, text, 0, superseded));
    }
    FileLocation masthead(std::string_view fipsValue)
    {
        return FileLocation(temp.Write("ActionSite.aqzm",
                                       "Content-Type: application/x-torvik-site-masthead\r\n"
                                       "X-Ardo-Require-Fips-Cryptography: " +
                                           std::string(fipsValue) + "\r\n\r\n"));
    }
    bool start(const FileLocation& location, FakeLibrary& library)
    {
        return InitializeCrypto(location, recordLine, client, library);
    }

    TempDirectory temp;
    Platform::SqliteSettingStore store{temp / "settings.db", "client"};
    SubsectionStore client{store, "Client"};
    FileLocation nowhere{temp / "no masthead"};
};

} // namespace

TEST(FipsDecision, TheSettingDecidesInAnyCaseOtherwiseTheMasthead)
{
    using enum FipsDecision;
    EXPECT_EQ(decideFips("REQUIRED", false), EnabledBySetting);
    EXPECT_EQ(decideFips("None", true), DisabledBySetting);
    EXPECT_EQ(decideFips("yes", true), EnabledByMasthead);
    EXPECT_EQ(decideFips("required ", false), DisabledByDefault);
    EXPECT_EQ(decideFips(std::nullopt, false), DisabledByDefault);
    EXPECT_TRUE(isFipsWanted(EnabledBySetting));
    EXPECT_TRUE(isFipsWanted(EnabledByMasthead));
    EXPECT_FALSE(isFipsWanted(DisabledBySetting));
    EXPECT_FALSE(isFipsWanted(DisabledByDefault));
}

TEST_F(CryptoStartUp, NothingWantedLeavesTheLibraryAlone)
{
    FakeLibrary library(true);
    EXPECT_TRUE(start(nowhere, library));
    EXPECT_EQ(library.setUps, 0);
    EXPECT_EQ(library.switches, 0);
    EXPECT_FALSE(recordedFipsWanted());
    EXPECT_EQ(recordedFipsFailureMessage(), "");
    EXPECT_EQ(logged, std::vector<std::string>{"FIPS mode disabled by default."});
}

TEST_F(CryptoStartUp, RequiredBySettingAndEntered)
{
    setFipsSetting("Required");
    FakeLibrary library(true);
    EXPECT_TRUE(start(nowhere, library));
    EXPECT_TRUE(library.mode);
    EXPECT_TRUE(recordedFipsWanted());
    EXPECT_EQ(logged,
              (std::vector<std::string>{"FIPS mode enabled by setting.",
                                        "Cryptographic module initialized successfully in FIPS mode."}));
    // A second start-up with the mode already right does nothing more.
    EXPECT_TRUE(start(nowhere, library));
    EXPECT_EQ(library.switches, 1);
}

TEST_F(CryptoStartUp, RequiredBySettingButImpossibleFails)
{
    setFipsSetting("required");
    FakeLibrary library(false);
    EXPECT_FALSE(start(masthead("0"), library));
    EXPECT_FALSE(library.mode);
    EXPECT_TRUE(recordedFipsWanted());
    EXPECT_EQ(recordedFipsFailureMessage(),
              "Cryptographic module failed to initialize required FIPS mode:error:1:no provider");
    EXPECT_EQ(logged.back(), recordedFipsFailureMessage());
}

TEST_F(CryptoStartUp, AskedOnlyByTheMastheadTheProgramGoesOnWithoutIt)
{
    FakeLibrary library(false);
    library.failureText = "";
    EXPECT_TRUE(start(masthead("1"), library));
    EXPECT_TRUE(recordedFipsWanted());
    EXPECT_EQ(recordedFipsFailureMessage(),
              "Cryptographic module failed to enter optional FIPS mode:class Ardo_FIPS_mode_set_Failed");
    EXPECT_EQ(logged.front(), "FIPS mode enabled by masthead.");
}

TEST_F(CryptoStartUp, NoneBySettingWinsOverTheMastheadWhichIsThenNotRead)
{
    setFipsSetting("none");
    FakeLibrary library(true);
    // Not a masthead at all: the setting decides, so it is never read.
    FileLocation letter(temp.Write("letter", "Subject: x\r\n\r\n"));
    EXPECT_TRUE(start(letter, library));
    EXPECT_FALSE(recordedFipsWanted());
    EXPECT_EQ(logged, std::vector<std::string>{"FIPS mode disabled by setting."});
}

TEST_F(CryptoStartUp, AnUnreadableMastheadStopsStartUpAFolderDoesNot)
{
    FakeLibrary library(true);
    setFipsSetting("yes"); // not a decision
    EXPECT_THROW(start(FileLocation(temp.Write("letter", "Subject: x\r\n\r\n")), library), UnreadableMasthead);
    FileLocation folder(temp / "folder");
    folder.CreateDirectory();
    EXPECT_TRUE(start(folder, library));
    EXPECT_EQ(logged.back(), "FIPS mode disabled by default.");
}

TEST_F(CryptoStartUp, ASettingLongerThanThirtyBytesCountsAsMissing)
{
    setFipsSetting("required" + std::string(30, ' '));
    FakeLibrary library(true);
    EXPECT_TRUE(start(masthead("1"), library));
    EXPECT_EQ(logged.front(), "FIPS mode enabled by masthead.");
}

TEST_F(CryptoStartUp, TheRealLibraryFailsToEnterFipsModeAndStillDigests)
{
    // This machine's library has no FIPS provider: the masthead's request
    // fails with the library's own text, and the default provider still
    // answers afterwards.
    if (openSslLibrary().fipsMode())
        GTEST_SKIP() << "the library already runs in FIPS mode";
    EXPECT_TRUE(InitializeCrypto(masthead("1"), recordLine, client, openSslLibrary()));
    EXPECT_TRUE(recordedFipsWanted());
    std::string_view message = recordedFipsFailureMessage();
    EXPECT_EQ(message.substr(0, 56), "Cryptographic module failed to enter optional FIPS mode:");
    EXPECT_GT(message.size(), 56u);
    EXPECT_FALSE(EvalFipsContext().fipsMode());

    // SHA-1 from the default context, as the "sha1" of a string is made.
    unsigned char digest[20];
    ASSERT_EQ(EVP_Digest("abc", 3, digest, nullptr, EVP_sha1(), nullptr), 1);
    EXPECT_EQ(digest[0], 0xa9);
    EXPECT_EQ(digest[19], 0x9d);
}

} // namespace guard
