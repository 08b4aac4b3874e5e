#pragma once
// Prepares the process before any mode runs: records the program's own
// module and the library and storage locations beside the executable, and
// prepares the cryptographic module from the masthead beside it. Returns
// false when the cryptographic module cannot be used.
namespace guard {

bool prepareProcess();

} // namespace guard
