#pragma once
// Prepares the cryptographic module for the run and records the outcome
// (CryptoState.h). Returns false when the program must not go on.
//
// The decision: the client setting "_ArdoClient_Cryptography_FipsMode"
// ("required" or "none") decides alone; otherwise FIPS mode is wanted when
// the masthead file at `masthead` (when it exists and is not a folder) asks
// for it. The masthead is read only when the setting does not decide, and a
// masthead that cannot be read throws UnreadableMasthead: when the program
// cannot tell whether FIPS mode is required, it does not run; for the same
// reason a settings database that exists but cannot be read throws
// UnreadableSettings.
//
// When FIPS mode is not wanted the library is not touched at all (it sets
// itself up when a question first needs it). When it is wanted and cannot be
// entered, start-up goes on without it only if the masthead alone asked for
// it, recording "Cryptographic module failed to enter optional FIPS mode:"
// and the library's error text; otherwise it records "Cryptographic module
// failed to initialize required FIPS mode:" and that text, and fails.
#include <string_view>

#include "crypto/CryptoLibrary.h"
#include "platform/FileLocation.h"
#include "platform/SubsectionStore.h"

namespace guard {

// The settings database exists but cannot be read, so whether FIPS mode is
// required cannot be told; what() names the file and the reason.
class UnreadableSettings : public TextException {
public:
    using TextException::TextException;
};

// Receives single lines of text about the start-up.
using CryptoLog = void (*)(std::string_view line);

bool InitializeCrypto(const FileLocation& masthead, CryptoLog log = nullptr);
// The same with the client settings and the library given.
bool InitializeCrypto(const FileLocation& masthead, CryptoLog log, SubsectionStore& clientSettings,
                      CryptoLibrary& library);

// Makes the next call a process's first initialisation again (for tests).
void forgetCryptoInitialization();

} // namespace guard
