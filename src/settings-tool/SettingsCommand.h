#pragma once
// guard-settings: lists, reads, writes and deletes the settings of the
// setting store (see docs/guard-settings.1). Returns the exit code:
// 0 done, 1 no such setting, 2 wrong usage, 3 a write refused because the
// setting holds a later effective date, 4 the store could not be read or
// written.
namespace guard {

int settingsCommand(int argc, char** argv);

} // namespace guard
