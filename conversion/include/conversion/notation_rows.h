// What a conversion does for each notation, one row a notation in the
// notation table's order: the driver's input and output rows, and those of
// the short way for plain list lines (nullptr where such lines take the
// whole run).
#pragma once

#include "conversion/driver_stages.h"
#include "conversion/plain_run.h"

namespace lw {

struct NotationRows {
    FormatCode format;
    InputResult (*input)(DriverRun& run);
    OutputOutcome (*output)(DriverRun& run, const ResultPair& p);
    PlainRun::Input plainInput;
    PlainRun::Output plainOutput;
};

// The rows of a format code; nullptr for 0 and unknown codes.
const NotationRows* notationRowsOf(int format);

// The short way's rows (conversion/plain_run.cpp).
bool decimalPlainInput(const PlainRun::Task& task, const PlainCoordinate& plain, GeoPoint& start);
bool gaussKruegerPlainInput(const PlainRun::Task& task, const PlainCoordinate& plain,
                            GeoPoint& start);
bool decimalPlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts);
bool degreesMinutesPlainOutput(const PlainRun::Task& task, GeoPoint p,
                               std::span<std::string> texts);
bool degreesMinutesSecondsPlainOutput(const PlainRun::Task& task, GeoPoint p,
                                      std::span<std::string> texts);
bool utmCivilPlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts);
bool utmMilitaryPlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts);
bool utmReferencePlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts);
bool amtlichPlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts);

} // namespace lw
