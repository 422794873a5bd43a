// One coordinate text of a list, converted as the calculation screen converts
// it when the text is pasted into the first field of the input mask and
// "Berechnung" is pressed: the mask opens for the task (options as the
// screen opens them, the zone or strip chosen beside the output), each part
// goes through its field's key filter, the first field is left, and the
// point is converted. The list converter and a list in the window take every
// line through here, so that both give what the screen gives.
#pragma once

#include "conversion/pasted_coordinate.h"
#include "conversion/point_outcome.h"
#include "model/job.h"
#include "model/screen.h"
#include "validation/refusal.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lw {

// The input mask's texts and options as a value: what a conversion reads.
class MaskTexts final : public MaskView {
public:
    explicit MaskTexts(std::string decimalSeparator);

    std::string text(Element e) const override { return texts_[index(e)]; }
    bool isChecked(Element option) const override { return checked_[index(option)]; }
    std::string localeDecimalSeparator() const override { return decimalSeparator_; }

    void set(Element e, std::string_view text);
    // Chooses an option as a click does: its partner is cleared.
    void choose(Element option);
    // Every text empty, the options as the screen opens.
    void clear();

private:
    static std::size_t index(Element e) { return static_cast<std::size_t>(e); }

    std::array<std::string, kElementCount> texts_;
    std::array<bool, kElementCount> checked_{};
    // The texts set since the last clear(), which alone it has to empty
    // (their strings keep their room from point to point).
    std::array<bool, kElementCount> set_{};
    std::vector<std::size_t> setList_;
    std::string decimalSeparator_;
};

// The choices beside the output: a neighbour zone for UTM amtlich output and
// a neighbour strip's central meridian for Gauss-Krueger output, "" for the
// point's own.
struct OutputChoices {
    std::string zone, strip;
};

class PointEntry {
public:
    PointEntry(const ConversionJob& job, OutputChoices choices, std::string decimalSeparator);

    // The parts of a whole coordinate, as the paste reader found them.
    const PointOutcome& convertParts(const PastedCoordinate& pasted);

    // The same for the common line of a list (plainCoordinate), its parts
    // straight into the fields; nullptr where a key of a part would not be
    // kept as it stands, for convertParts to type it.
    const PointOutcome* convertPlain(const PlainCoordinate& plain);
    // Whether the field filters keep every key of the parts as it stands.
    bool keptAsTyped(const PlainCoordinate& plain) const;
    // Any other text: typed into the first field through its key filter,
    // up to the first character it refuses (whose refusal is the outcome).
    const PointOutcome& convertTyped(std::string_view text);

    // Where the last point entered lies on GRS80, also for an input copied
    // without conversion (from one more run to decimal degrees on GRS80).
    std::optional<GeoPoint> grs80Position() const;

    const ConversionJob& job() const { return job_; }
    // The input mask's fields in typing order.
    std::span<const Element> inputFields() const { return inputFields_; }

private:
    using AsciiKeys = std::array<char, 128>;
    static AsciiKeys asciiKeys(Element field);
    const AsciiKeys* asciiKeysOf(Element field) const;
    void open();
    const PointOutcome& refused(const refusal::Refusal& refusal);
    const PointOutcome& refusedKey(std::string message);
    const PointOutcome& leaveFirstFieldAndCalculate();

    ConversionJob job_; // as the selection screen left it
    OutputChoices choices_;
    std::span<const Element> inputFields_;
    MaskTexts mask_;
    ProgramState state_; // the job of the point in hand, the working variables
    PointOutcome outcome_;
    std::string typed_;
    std::vector<AsciiKeys> asciiKeys_; // per input field, in typing order
    bool digitsAndPointKept_ = true;   // by every input field's filter
};

} // namespace lw
