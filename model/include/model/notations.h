// Which coordinate notations each ellipsoid offers.
//
// The geographic notations (decimal degrees, degrees and minutes, degrees,
// minutes and seconds) exist on every ellipsoid. UTM in its three forms
// (civil, military, reference) is defined on GRS80 and Hayford only;
// Gauss-Krueger belongs to the German survey on Bessel and exists nowhere
// else. The selection screen offers only these combinations, and the
// calculation relies on meeting no other.
#pragma once

#include "model/job.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace lw {

// The three ellipsoids in the order the screens list them, with the letter
// each has in the job's EllipsoidPaar.
struct EllipsoidLetter {
    const char* jobName;
    char pairLetter;
};

inline constexpr std::array<EllipsoidLetter, 3> kEllipsoidLetters = {{
    {kGRS80, 'A'},
    {kBessel, 'B'},
    {kHayford, 'C'},
}};

// The job name of a pair letter; "" for any other character.
constexpr std::string_view ellipsoidOfPairLetter(char letter) {
    for (const EllipsoidLetter& e : kEllipsoidLetters)
        if (e.pairLetter == letter)
            return e.jobName;
    return {};
}

// The three UTM notations: civil, military, reference.
constexpr bool isUtmNotation(std::uint8_t format) {
    return format >= kUTMzivil && format <= kUTMref;
}

// Whether `ellipsoid` (a job name: kGRS80, kBessel, kHayford) offers the
// notation with format code `format` (1..7). No format, and no or an unknown
// ellipsoid, offer nothing.
constexpr bool offersNotation(std::string_view ellipsoid, std::uint8_t format) {
    const bool geographic = format >= kGradDezimal && format <= kGradMinSek;
    if (ellipsoid == kBessel)
        return geographic || format == kGaussKrueger;
    if (ellipsoid == kGRS80 || ellipsoid == kHayford)
        return geographic || isUtmNotation(format);
    return false;
}

} // namespace lw
