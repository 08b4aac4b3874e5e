#include "crypto/CryptoInitialization.h"

#include <array>

#include "crypto/CryptoState.h"
#include "crypto/FipsDecision.h"
#include "crypto/Masthead.h"
#include "platform/posix/SqliteSettingStore.h"

namespace guard {

namespace {

// The setting is read as at most 30 bytes of text: anything longer could
// not say "required" or "none".
constexpr std::size_t kSettingBuffer = 32;

bool firstInitialization = true;

void logLine(CryptoLog log, std::string_view line)
{
    if (log)
        log(line);
}

FipsDecision decide(const FileLocation& masthead, SubsectionStore& clientSettings)
{
    std::array<char, kSettingBuffer> buffer{};
    std::optional<std::string_view> setting;
    if (clientSettings.getText(kFipsModeSetting, buffer.data(), buffer.size()))
        setting = std::string_view(buffer.data());
    else if (std::string_view error = clientSettings.store().readError(); !error.empty())
        throw UnreadableSettings(std::string(error));
    if (std::optional<FipsDecision> bySetting = decideFipsBySetting(setting))
        return *bySetting;
    bool mastheadWants = false;
    if (masthead.Exists() && !masthead.IsExistingDirectory())
        mastheadWants = mastheadWantsFips(masthead);
    return decideFips(setting, mastheadWants);
}

} // namespace

void forgetCryptoInitialization() { firstInitialization = true; }

bool InitializeCrypto(const FileLocation& masthead, CryptoLog log)
{
    return InitializeCrypto(masthead, log, Platform::clientSettings(), openSslLibrary());
}

bool InitializeCrypto(const FileLocation& masthead, CryptoLog log, SubsectionStore& clientSettings,
                      CryptoLibrary& library)
{
    FipsDecision decision = decide(masthead, clientSettings);
    bool wanted = isFipsWanted(decision);
    logLine(log, fipsDecisionLine(decision));
    try {
        if (!firstInitialization && library.fipsMode() == wanted)
            return true;
        bool first = firstInitialization;
        firstInitialization = false;
        // Not wanted on the first start-up: the library has not been
        // switched into FIPS mode by this process, so there is nothing to do.
        if (wanted || !first) {
            library.setUp();
            if (library.fipsMode() != wanted) {
                try {
                    library.setFipsMode(wanted);
                } catch (const Ardo_FIPS_mode_set_Failed&) {
                    library.setFipsMode(false);
                    throw;
                }
            }
        }
        recordCryptoState(wanted, "");
        if (wanted)
            logLine(log, "Cryptographic module initialized successfully in FIPS mode.");
        return true;
    } catch (const Ardo_FIPS_mode_set_Failed& failure) {
        std::string message;
        if (wanted && decision == FipsDecision::EnabledByMasthead)
            message = "Cryptographic module failed to enter optional FIPS mode:";
        else if (wanted)
            message = "Cryptographic module failed to initialize required FIPS mode:";
        else
            message = "Cryptographic module failed to initialize:";
        message += failure.what();
        recordCryptoState(wanted, message);
        logLine(log, message);
        return decision == FipsDecision::EnabledByMasthead;
    }
}

} // namespace guard
