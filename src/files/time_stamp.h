#pragma once
// Dates and times as data loggers and spreadsheets write them, read as
// seconds since 1970-01-01 00:00. A time stamp without a zone stands for
// the clock time it shows (it is taken as if it were UTC), so that a time
// axis shows exactly the clock times of the file; one with "Z" or an
// offset is taken in UTC.

#include <optional>
#include <string_view>

namespace kvx {

// The whole of `text`, in one of these forms, or nothing:
//   2026-12-07T23:15:26   (or a space for the T; seconds, a fraction of
//                          them, "Z" or an offset such as +01:00, -0530
//                          or +01 may follow, the seconds may be left out)
//   2026-12-07            (a date alone: its midnight)
//   2026/12/07 23:15:26
//   07.12.2026 23:15:26   (day first)
// The date must exist (no February 30) and the time lie within the day.
std::optional<double> parseTimeStamp(std::string_view text);

}  // namespace kvx
