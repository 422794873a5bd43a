// Text procedures of the military and reference grid notations.
#include "geodesy/mgrs.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <cmath>

namespace lw {

namespace {

constexpr int kPairs = 5; // digit pairs from 10 km down to 1 m

// Substring from 1-based `start`: a start before the text faults, a start
// beyond it gives "" (as the procedures' character lookups behave).
std::string mid(std::string_view text, long start, std::size_t length = 1) {
    if (start < 1)
        throw NumericFault{};
    const auto from = static_cast<std::size_t>(start - 1);
    return from >= text.size() ? std::string() : std::string(text.substr(from, length));
}

// The letter at 1-based `start`, as mid() takes one.
std::string_view letterAt(std::string_view letters, long start) {
    if (start < 1)
        throw NumericFault{};
    const auto from = static_cast<std::size_t>(start - 1);
    return from >= letters.size() ? std::string_view() : letters.substr(from, 1);
}

// The text without blanks before and after it.
std::string_view withoutBlanksAround(std::string_view text) {
    const std::size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

char firstChar(const std::string& text) {
    return text.empty() ? '\0' : text[0];
}

// Digit read from one character of a text (a non-digit, or no character,
// reads as 0, as one character read as a number does).
long digitAt(std::string_view text, long pos) {
    if (pos < 1)
        throw NumericFault{};
    const auto i = static_cast<std::size_t>(pos - 1);
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return 0;
    return text[i] - '0';
}

} // namespace

ProcedureOutcome UTMnachMIL(std::string& zone, std::string& easting, std::string& northing,
                            MessageSink& messages) {
    const std::string_view e = withoutBlanksAround(easting);
    const std::string_view n = withoutBlanksAround(northing);
    if (e.size() != 7) {
        return ProcedureOutcome::showing(messages, MessageIcon::Critical,
                                         "Der Rechtswert muss genau 7-stellig sein!");
    }
    if (n.size() != 7) {
        return ProcedureOutcome::showing(messages, MessageIcon::Critical,
                                         "Der Hochwert muss genau 7-stellig sein!");
    }
    try {
        const int z = toInt16(readNumber(zone));
        // Hundred-km easting digit 0 names no column: the lookup faults.
        const std::string_view column = letterAt(columnLetters(z), digitAt(e, 2));
        const bool oddMillions = digitAt(n, 1) % 2 != 0;
        const std::string_view row =
            letterAt(rowLetters(z % 2 != 0, oddMillions), digitAt(n, 2) + 1);

        // Put together on the stack and appended at once (a list writes
        // one a line): the square, the five pairs.
        char text[2 + 2 + 2 + 3 * kPairs];
        std::size_t size = 0;
        const auto put = [&](std::string_view part) {
            size += part.copy(text + size, part.size());
        };
        put("  ");
        put(column);
        put(row);
        put("  ");
        for (std::size_t k = 2; k < 2 + kPairs; ++k) {
            if (k > 2)
                text[size++] = '.';
            text[size++] = e[k];
            text[size++] = n[k];
        }
        zone.append(text, size);
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

ProcedureOutcome MILnachREF(std::string& text, MessageSink& messages) {
    try {
        // Missing pairs count as zeros.
        const std::string t = text + ".00.00.00.00.00";
        std::string ref = mid(t, 1, 9);
        for (long pos = 10; pos <= 22; pos += 3) // easting digit of each pair
            ref += mid(t, pos);
        for (long pos = 11; pos <= 23; pos += 3) // northing digit of each pair
            ref += mid(t, pos);
        text = std::move(ref);
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

void REFnachMIL(std::string& group, std::string& pair1km, std::string& pair100m,
                std::string& pair10m, std::string& pair1m) {
    // The group holds h easting digits then h northing digits; the places not
    // given (below 10^(5-h) m) are zero.
    const auto h =
        static_cast<std::size_t>(roundHalfEvenWhole(static_cast<double>(group.size()) / 2));
    const std::string eastDigits = group.substr(0, h) + "000000000";
    const std::string northDigits = group.substr(group.size() - h) + "000000000";
    std::string* pairs[kPairs] = {&group, &pair1km, &pair100m, &pair10m, &pair1m};
    for (std::size_t k = 0; k < kPairs; ++k)
        *pairs[k] = std::string{eastDigits[k], northDigits[k]};
}

ProcedureOutcome MILnachUTM(std::string& zone, std::string& letters, std::string& pair10km,
                            std::string& pair1km, std::string& pair100m, std::string& pair10m,
                            std::string& pair1m, MessageSink& messages) {
    const std::string columnLetter = mid(letters, 1);
    const std::string rowLetter = mid(letters, 2);
    const std::optional<int> eastDigit = columnDigit(firstChar(columnLetter));
    if (!eastDigit) {
        ProcedureOutcome refusal =
            ProcedureOutcome::showing(messages, MessageIcon::Critical,
                                      "Der 1. Buchstabe des 100km-Quadrates ist nicht zulässig");
        pair100m = kFailureMarker;
        return refusal;
    }
    const char band = zone.empty() ? '\0' : zone.back();
    const bool oddZone = std::fmod(readNumber(mid(zone, 2)), 2) != 0;
    const std::optional<RowDigit> row = rowDigit(firstChar(rowLetter), oddZone);
    const std::optional<int> millions =
        row ? millionsDigit(band, row->secondHalf, row->hundredKmDigit) : std::nullopt;
    if (!millions) { // also a square that does not exist in the zone's band
        ProcedureOutcome refusal =
            ProcedureOutcome::showing(messages, MessageIcon::Critical,
                                      "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig.");
        pair100m = kFailureMarker;
        return refusal;
    }

    const std::string* pairs[kPairs] = {&pair10km, &pair1km, &pair100m, &pair10m, &pair1m};
    std::string east = "0";
    east += std::to_string(*eastDigit);
    std::string north = std::to_string(*millions) + std::to_string(row->hundredKmDigit);
    for (const std::string* pair : pairs) {
        east += mid(*pair, 1);
        north += mid(*pair, 2);
    }
    const char newBand = bandOfNorthing(readNumber(north), isNorthernBandLetter(band));
    std::string newZone = mid(zone, 1, 2);
    if (newBand != '\0')
        newZone += newBand;
    zone = std::move(east);
    letters = std::move(north);
    pair10km = std::move(newZone);
    return ProcedureOutcome::done();
}

} // namespace lw
