// One point of a list converted as the calculation screen converts it: the
// coordinate pasted into the first field of the input mask (each part typed
// through the field's key filter), the field left, "Berechnung" pressed, and
// the output mask read back as the line "Ergebnis kopieren" gives.
//
// This is the one place where the list program meets the program's own
// layers (job, masks, paste reader, driver, copy line); everything else in
// cli/ works on plain texts.
#pragma once

#include "geodesy/datum.h"
#include "model/notations.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lw::lists {

// A task as the command line names it: ellipsoid and notation on each side,
// the short names of the man page ("bessel", "gk").
struct TaskNames {
    std::string startEllipsoid, startNotation;
    std::string targetEllipsoid, targetNotation;
    bool official = false;
    // A neighbour zone for UTM amtlich output (--zone) and a neighbour strip's
    // central meridian for Gauss-Krueger output (--streifen); "" for the
    // point's own, as the fields beside the output are on the screen.
    std::string zone, strip;
};

// The notation names in the order of the man page, and the ellipsoid names.
std::span<const std::string_view> notationNames();
std::span<const std::string_view> ellipsoidNames();

// The result of one point: the copy line (or, split, the texts of the
// output mask's fields), or the message the screen showed first.
struct PointResult {
    bool converted = false;
    std::string line;                 // converted: the copy line
    std::vector<std::string> columns; // converted, with columns: one text per output field
    std::string message;              // not converted: the message, as shown
    // Converted, with the place asked for: where the point lies on GRS80
    // (WGS 84), whatever the output's ellipsoid.
    std::optional<GeoPoint> grs80;
};

class Engine {
public:
    // The task must be one the selection screen offers (see checkTask).
    // `decimalSeparator` is the locale's, for the Gauß-Krüger output.
    // Without `withColumns` a result carries only its copy line (no CSV);
    // with `withPlace` also its GRS80 position (one more run to degrees).
    Engine(const TaskNames& task, std::string decimalSeparator, bool withColumns = true,
           bool withPlace = false);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Converts one coordinate text (UTF-8, without identifier) when the
    // paste reader takes it as a whole coordinate of the input notation;
    // nullptr when it does not. The result stays valid until the next call.
    const PointResult* tryConvert(std::string_view coordinate);
    // A plain coordinate (numbers, blanks but no tab, hemisphere letters)
    // that the short way converts: its copy line written into `line`, and
    // with `withPlace` its GRS80 position into `position`. False, `line`
    // empty, for any other text, which tryConvert then takes.
    bool plainLineInto(std::string_view coordinate, std::string& line,
                       std::optional<GeoPoint>& position);
    // Any other text: typed into the first field through its key filter, as
    // the screen takes a paste it cannot take apart, and converted (or
    // refused: the first refused character's message) from there.
    const PointResult& convertAsText(std::string_view text);

    // Whether the paste reader takes `coordinate` as a whole coordinate of
    // the input notation, without converting it.
    bool recognises(std::string_view coordinate) const;

    // How many fields the input mask has ("48.4 9.9": 2), to tell an
    // identifier in front of a text that is no coordinate.
    std::size_t inputParts() const;
    // The input notation's name as the screens show it ("Grad (dezimal)").
    std::string_view inputLabel() const;
    // How the paste reader takes a text of the input notation apart.
    PasteForm inputForm() const;
    // The message for a link or geo URI when the input is not on GRS80: its
    // position is WGS 84, which the screen would ask to switch to; nullopt
    // for any other text and on GRS80.
    std::optional<std::string> linkOffGrs80(std::string_view text) const;
    // Column captions of the output mask's fields, for CSV output; "Datum"
    // last where the copy line names the datum (ED50, DHDN).
    std::vector<std::string> outputCaptions() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Why the selection screen would not offer the task, in one German line;
// nullopt when it does. Checks names, ellipsoid and notation pairs, the
// official transformation's pair and its grid.
std::optional<std::string> checkTask(const TaskNames& task);

} // namespace lw::lists
