// The common point of a list on numbers alone: a line whose parts pass the
// input check as they stand, on a datum shift that cannot fail, to an output
// in the point's own zone or strip. For such a point the typed cores the
// driver's rows call are called straight, without the input mask, the
// recorded screen steps and the texts between the stages; the output fields
// get the texts the run would write. Every other point (a refusal, a text the
// check completes, the official transformation, a point beyond an output's
// limits, a numeric fault) is left to the whole run, which says why.
//
// The two must agree on every point this answers: the test PlainRun holds
// them to the same texts on random and edge points of every task it covers.
#pragma once

#include "conversion/pasted_coordinate.h"
#include "geodesy/datum.h"
#include "geodesy/ellipsoids.h"
#include "model/job.h"
#include "model/screen.h"
#include "procedures/procedures.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace lw {

class PlainRun {
public:
    // `ownZoneAndStrip`: no neighbour zone or strip chosen beside the output.
    PlainRun(const ConversionJob& job, bool ownZoneAndStrip);

    // Whether the task is one this can convert at all (input and output
    // notation with a typed row here, no official datum, no copy of the input).
    bool covers() const { return input_ != nullptr && output_ != nullptr; }

    // The output fields' texts in the order of outputMaskFields(FormatAUS),
    // and the point on GRS80; false where the point needs the whole run
    // (then `texts` and `grs80` mean nothing).
    bool convert(const PlainCoordinate& plain, std::span<std::string> texts, GeoPoint& grs80) const;

    // Each element's place among the output fields, -1 for none.
    using Slots = std::array<std::int8_t, kElementCount>;
    // What the rows read of the task, worked out once.
    struct Task {
        ConversionJob job;
        std::span<const Element> outputFields;
        Slots slots;
        const Ellipsoid* utmEllipsoid = nullptr; // of the target; none on Bessel
        DatumRoute datum;
    };
    // One row a notation: the point on the start ellipsoid from the line's
    // parts, and the output texts from the point on the target ellipsoid.
    using Input = bool (*)(const Task& task, const PlainCoordinate& plain, GeoPoint& start);
    using Output = bool (*)(const Task& task, GeoPoint target, std::span<std::string> texts);

private:
    Task task_;
    Input input_ = nullptr;
    Output output_ = nullptr;
};

} // namespace lw
