// A whole coordinate pasted where another notation is in force: into the
// first field of an input mask of another notation, or onto the selection
// screen. The program finds the one notation whose paste reader takes the
// text and offers to switch the input to it. Numbers that are no angles (a
// latitude beyond 90°) are no geographic coordinate here, so that
// "3571686.39 5540758.79" is Gauss-Krueger only. A text several notations
// take ("32U NU 7159565251" is a reference and a grid reference of the
// military notation) is asked for only where all readings name the same
// point: then the notation that reads the text as written is offered (UTM
// zivil for zone, easting and northing, UTM referentiell for a reference).
// Readings of different points are never guessed at: nothing is asked.
// Links and geo URIs name WGS 84 positions: they are read on GRS80 only.
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
// and where no other notation takes it or several read it as different
// points. A text with the datum name of another ellipsoid
// (" DHDN" in a GRS80 mask) is taken by no notation of this ellipsoid: the
// ellipsoid stays as the user chose it, and nothing is asked.
std::optional<int> otherNotationOfPaste(std::string_view text, std::string_view ellipsoid,
                                        int ownNotation);

// "Der eingefügte Text ist eine Angabe in UTM militärisch: 32U NU 76.15.52.95.51.
// Eingabeformat auf UTM militärisch umstellen?": the text without the blanks
// and line breaks around it.
std::string notationSwitchQuestion(int notation, std::string_view text);

// Whether `text` is a link or a geo URI, whose position is WGS 84.
bool namesWgs84Position(std::string_view text);

// Whether `text` pasted into a mask of `ellipsoid` asks to start on GRS80:
// a link or geo URI in a Bessel or Hayford mask (read there, its numbers
// would name a place some hundred metres away).
bool asksForGrs80Start(std::string_view text, std::string_view ellipsoid);

// "Der eingefügte Text ist eine Angabe in Grad (dezimal) auf dem Ellipsoid
// GRS80 (WGS 84): geo:48.1,11.5. Startellipsoid auf GRS80 umstellen?", with
// " und Eingabeformat auf Grad (dezimal)" where `ownNotation` is another.
std::string grs80StartQuestion(int ownNotation, std::string_view text);

// The job reading a link: GRS80 start, decimal degrees in; target ellipsoid
// and output kept (the selection screen offers every target with a GRS80
// start, and the output depends on the target alone), the pair letters and
// the task following. The official transformation stays chosen only where
// the new pair offers it.
ConversionJob jobOnGrs80Start(const ConversionJob& job);

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
// one notation (or of several that read it as different points). A link or
// geo URI starts on GRS80 whatever ellipsoid was chosen. With the start ellipsoid chosen by the
// user, the notations it offers are asked as on the calculation screen. With none chosen (GRS80
// stands as the screen's default), each notation reads the text on the first
// ellipsoid in screen order whose reader takes it: the one a datum name names
// (" DHDN" Bessel, " ED50" Hayford), else GRS80, and Bessel for Gauss-Krueger.
std::optional<PastedStart> startSideOfPaste(std::string_view text, const ConversionJob& job,
                                            bool ellipsoidChosen);

// The question asked before `start` is chosen for `text` on the selection
// screen: the GRS80 question where a link moves the start off the chosen
// ellipsoid, the notation question otherwise.
std::string pastedStartQuestion(const PastedStart& start, const ConversionJob& job,
                                std::string_view text);

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
