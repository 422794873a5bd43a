// A whole coordinate pasted where another notation is in force: into the
// first field of an input mask of another notation, or onto the selection
// screen. The program finds the one notation whose paste reader takes the
// text and offers to switch the input to it. Numbers that are no angles (a
// latitude beyond 90°) are no geographic coordinate here, so that
// "3571686.39 5540758.79" is Gauss-Krueger only. A text several notations
// take ("32U NU 7159565251" is a reference and a grid reference of the
// military notation) is never guessed at: nothing is asked.
#pragma once

#include "conversion/selection_rules.h"
#include "model/job.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw {

// The notations (format codes, in table order) that `ellipsoid` offers and
// whose paste reader takes `text` as one whole coordinate on it.
std::vector<int> notationsTakingPaste(std::string_view text, std::string_view ellipsoid);

// The notation to offer for `text` pasted into the first field of the input
// mask of `ownNotation` on `ellipsoid`: the only other one that takes it.
// nullopt where the mask takes the text itself (as a possible coordinate),
// and where no or several other notations take it. A text with the datum name of another ellipsoid
// (" DHDN" in a GRS80 mask) is taken by no notation of this ellipsoid: the
// ellipsoid stays as the user chose it, and nothing is asked.
std::optional<int> otherNotationOfPaste(std::string_view text, std::string_view ellipsoid,
                                        int ownNotation);

// "Der eingefügte Text ist eine Angabe in UTM militärisch: 32U NU 76.15.52.95.51.
// Eingabeformat auf UTM militärisch umstellen?": the text without the blanks
// and line breaks around it.
std::string notationSwitchQuestion(int notation, std::string_view text);

// The job with `notation` as its input: ellipsoids as chosen, the output
// kept (what an output offers depends on the target ellipsoid alone, so it
// fits every input), the task code following both.
ConversionJob jobWithInputNotation(const ConversionJob& job, int notation);

// Whether the calculation screen shows the output mask of the switched job:
// not where the output was refused for the earlier input (Gauss-Krueger
// from a UTM zone outside Germany takes the target away); a switch of the
// input does not give it back.
bool showsOutputMask(const ConversionJob& job);

// What a whole coordinate pasted onto the selection screen proposes for its
// start side.
struct PastedStart {
    std::string ellipsoid; // job name of the start ellipsoid to read it on
    int notation = 0;
    bool ask = false; // false: the chosen input notation takes it already
};

// The start side for `text`, or nullopt where it is no whole coordinate of
// one notation. With the start ellipsoid chosen by the user, the notations
// it offers are asked as on the calculation screen. With none chosen (GRS80
// stands as the screen's default), each notation reads the text on the first
// ellipsoid in screen order whose reader takes it: the one a datum name names
// (" DHDN" Bessel, " ED50" Hayford), else GRS80, and Bessel for Gauss-Krueger.
std::optional<PastedStart> startSideOfPaste(std::string_view text, const ConversionJob& job,
                                            bool ellipsoidChosen);

// Presses what the user would press for `start`: its ellipsoid where it is
// not the job's start ellipsoid already, then its input format.
void choosePastedStart(SelectionRules& rules, const ConversionJob& job, const PastedStart& start);

// A text accepted on the selection screen waits for the calculation screen
// of the job it was accepted for; a job changed meanwhile drops it.
class PendingPaste {
public:
    void keep(const ConversionJob& job, std::string text);
    // The text when `job` reads its input as it did when the text was kept;
    // either way the text is gone afterwards.
    std::optional<std::string> takeFor(const ConversionJob& job);

private:
    std::string ellipsoid_;
    int notation_ = 0;
    std::optional<std::string> text_;
};

} // namespace lw
