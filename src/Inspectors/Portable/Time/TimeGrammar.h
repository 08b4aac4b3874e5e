#pragma once
// Reading e-mail style times, dates, times of day and zoned times of day:
//
//   time              [day-name ","] day month-name year hh ":" mm [":" ss] [zone]
//   date              [day-name ","] day month-name year
//   time of day       h ":" mm [":" ss]
//   zoned time of day h ":" mm [":" ss] [zone]
//
// Day one or two digits; year two (19xx), three or four digits; the hour of
// a full time exactly two digits, of a time of day alone one or two; minutes
// and seconds two; a zone "+hhmm" or "-hhmm" (four digits), a zone name
// ("gmt", "ut", "est", "edt", "cst", "cdt", "mst", "mdt", "pst", "pdt") or a
// military letter, which is read but records no zone. Names have at most
// three letters and any letter case; blanks may stand between any tokens.
//
// A text outside its grammar raises ParsingFailure (StackFull for more than
// six pending numbers); then, in this order, a date that does not exist
// raises NoSuchDate, a time of day that does not NoSuchTimeOfDay and a day
// name that is not the date's WrongDayOfWeek. Whether a zone is required is
// the caller's rule.
#include <cstdint>
#include <optional>
#include <string_view>

#include "Inspectors/Portable/Time/TimeValues.h"

namespace guard {

namespace TimeGrammar {

enum class Form { Time, Date, TimeOfDay, ZonedTimeOfDay };

struct Reading {
    Date date{};           // Time and Date forms
    TimeOfDay timeOfDay{}; // Time, TimeOfDay and ZonedTimeOfDay forms
    bool zoneGiven = false;
    TimeZone zone{0}; // when zoneGiven
};

Reading read(std::string_view text, Form form);

// The fast path of read() for a full time in the common form, single blanks:
// ["Ddd, "] d[d] " " Mon " " yyyy " " hh ":" mm [":" ss] [" " (+|-)hhmm | " " zone name].
// It answers only a text that the grammar reads without failure, with the
// same reading; anything else (other spacing, two-digit years, military
// letters, any failure) is left to the grammar: std::nullopt.
std::optional<Reading> readCommonTime(std::string_view text);
// read() without the fast path (for the differential fuzz target).
Reading readByGrammar(std::string_view text, Form form);

} // namespace TimeGrammar

} // namespace guard
