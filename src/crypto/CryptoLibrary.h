#pragma once
// The cryptographic library as start-up sees it: set up once per process,
// asked for its FIPS mode and switched into or out of it. The library the
// program runs with is openSslLibrary(); tests put another in its place.
#include <string>

#include "platform/DebuggableException.h"

namespace guard {

// The library could not switch its FIPS mode; what() is the library's
// error text, or "class Ardo_FIPS_mode_set_Failed" when it gave none.
class Ardo_FIPS_mode_set_Failed : public TextException {
public:
    explicit Ardo_FIPS_mode_set_Failed(std::string text);
};

class CryptoLibrary {
public:
    virtual ~CryptoLibrary() = default;
    // Readies the library; only the first call of a process does anything.
    virtual void setUp() = 0;
    virtual bool fipsMode() = 0;
    // Throws Ardo_FIPS_mode_set_Failed when the switch fails.
    virtual void setFipsMode(bool on) = 0;
};

CryptoLibrary& openSslLibrary();

} // namespace guard
