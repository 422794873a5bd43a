#include "conversion/selection_rules.h"

#include "conversion/datum_stage.h"
#include "model/notations.h"

#include <utility>

namespace lw {
namespace {

constexpr int kFormatCount = static_cast<int>(kNotations.size());

// The format buttons an ellipsoid leaves enabled, and the choices it keeps.
// Every ellipsoid keeps "Alle Schreibweisen": the list does not depend on it.
bool offers(std::string_view ellipsoid, int code) {
    if (ellipsoid.empty() || code == kAlleSchreibweisen)
        return true; // none chosen yet: nothing to hold against a format
    return offersNotation(ellipsoid, static_cast<std::uint8_t>(code));
}

} // namespace

SelectionRules::SelectionRules(ConversionJob& job, SelectionView& view,
                               std::function<bool()> gridAvailable)
    : job_(job), view_(view), gridAvailable_(std::move(gridAvailable)) {}

void SelectionRules::load() {
    job_ = ConversionJob{};
    startEllipsoidChosen_ = false;
    setContinueEnabled(false);
    pressStartEllipsoid(kGrs80Button);
}

// The target goes back to GRS80; the start stays the task's, and with it
// the input format: a user coming back from the calculation screen changes
// one choice of the task, not the whole of it. A start other than GRS80 is
// the user's own choice; GRS80 stands as the default. The target is pressed
// after such a start, whose press leaves the outputs waiting for one.
void SelectionRules::activate() {
    int start = kGrs80Button;
    for (std::size_t i = 0; i < kEllipsoidLetters.size(); ++i)
        if (job_.StartEllipsoid == kEllipsoidLetters[i].jobName)
            start = static_cast<int>(i);
    startEllipsoidChosen_ = start != kGrs80Button;
    if (start == kGrs80Button) {
        pressTargetEllipsoid(kGrs80Button);
        pressStartEllipsoid(kGrs80Button);
        return;
    }
    pressStartEllipsoid(start);
    pressTargetEllipsoid(kGrs80Button);
}

void SelectionRules::prepareReturn() {
    setContinueEnabled(false);
    ZielEllipsoideDisablen();
}

void SelectionRules::ZielEllipsoideDisablen() {
    for (int i = 0; i < kEllipsoidButtonCount; ++i)
        view_.setEllipsoidEnabled(SelectionSide::Target, i, false);
}

void SelectionRules::AusgabeformateDisablen() {
    for (int code = 1; code <= kFormatCount; ++code)
        view_.setFormatEnabled(SelectionSide::Target, code, false);
}

void SelectionRules::pressEllipsoid(SelectionSide side, int index) {
    if (index < 0 || index >= kEllipsoidButtonCount)
        return;
    if (side == SelectionSide::Start) {
        startEllipsoidChosen_ = true;
        pressStartEllipsoid(index);
    } else {
        pressTargetEllipsoid(index);
    }
}

void SelectionRules::pressStartEllipsoid(int index) {
    for (int i = 0; i < kEllipsoidButtonCount; ++i)
        view_.showEllipsoidChosen(SelectionSide::Start, i, i == index);
    job_.StartEllipsoid = kEllipsoidLetters[static_cast<std::size_t>(index)].jobName;
    for (int i = 0; i < kEllipsoidButtonCount; ++i)
        view_.setEllipsoidEnabled(SelectionSide::Target, i, true);
    enableOfferedFormats(SelectionSide::Start, job_.StartEllipsoid);
    AusgabeformateDisablen();
    // The list of every notation needs no target ellipsoid.
    view_.setFormatEnabled(SelectionSide::Target, kAlleSchreibweisen, true);
    if (index == kGrs80Button)
        pressTargetEllipsoid(kGrs80Button);
    clearStaleChoices();
    offerOfficialChoice();
}

void SelectionRules::pressTargetEllipsoid(int index) {
    const EllipsoidLetter& target = kEllipsoidLetters[static_cast<std::size_t>(index)];
    for (int i = 0; i < kEllipsoidButtonCount; ++i)
        view_.showEllipsoidChosen(SelectionSide::Target, i, i == index);
    job_.ZielEllipsoid = target.jobName;
    for (const EllipsoidLetter& start : kEllipsoidLetters)
        if (job_.StartEllipsoid == start.jobName)
            job_.EllipsoidPaar = std::string{start.pairLetter, target.pairLetter};
    enableOfferedFormats(SelectionSide::Target, job_.ZielEllipsoid);
    PaarFormateDisablen();
    clearStaleChoices();
    offerOfficialChoice();
}

// The official transformation joins DHDN and ETRS89 only: the box is enabled
// for a Bessel <-> GRS80 job where PROJ can open the grid, and disabled
// otherwise. The user's choice is kept for the running program: a surveyor
// converting DHDN lists chooses it once, however often other pairs come in
// between (a return to this screen brings the target back to GRS80).
// With "Alle Schreibweisen" the list holds Bessel and GRS80 lines: the box is
// offered for a start on either of them.
bool SelectionRules::officialOffered() const {
    if (job_.FormatAUS == kAlleSchreibweisen)
        return job_.StartEllipsoid == kBessel || job_.StartEllipsoid == kGRS80;
    return officialDatumOffered(job_.StartEllipsoid, job_.ZielEllipsoid);
}

void SelectionRules::offerOfficialChoice() {
    const bool offered = officialOffered();
    if (offered && !gridAsked_) {
        gridAsked_ = true;
        gridFound_ = gridAvailable_ && gridAvailable_();
    }
    const bool enabled = offered && gridFound_;
    job_.Amtlich = enabled && officialWanted_;
    std::string_view why;
    if (!offered)
        why = kOfficialPairOnlyText;
    else if (!gridFound_)
        why = kGridMissingText;
    view_.showOfficialChoice(enabled, job_.Amtlich, why);
}

void SelectionRules::chooseOfficial(bool checked) {
    if (!officialOffered() || !gridFound_)
        return; // a disabled box cannot be changed
    officialWanted_ = checked;
    job_.Amtlich = checked;
}

void SelectionRules::enableOfferedFormats(SelectionSide side, const std::string& ellipsoid) {
    for (int code = 1; code <= kFormatCount; ++code)
        view_.setFormatEnabled(side, code, offers(ellipsoid, code));
}

// Only disables, by the pair's letters. The first letter rules the input
// column, the second the output column.
void SelectionRules::PaarFormateDisablen() {
    if (job_.EllipsoidPaar.size() != 2)
        return;
    for (SelectionSide side : {SelectionSide::Start, SelectionSide::Target}) {
        const std::string_view ellipsoid =
            ellipsoidOfPairLetter(job_.EllipsoidPaar[side == SelectionSide::Start ? 0 : 1]);
        for (int code = 1; code <= kFormatCount; ++code)
            if (!offers(ellipsoid, code))
                view_.setFormatEnabled(side, code, false);
    }
}

// A format chosen earlier that the ellipsoid of its side no longer offers is
// cleared, so the calculation never meets a combination this screen does not
// offer (UTM on Bessel, Gauss-Krueger elsewhere).
void SelectionRules::clearStaleChoices() {
    if (job_.FormatEIN != kKeinFormat && !offers(job_.StartEllipsoid, job_.FormatEIN)) {
        job_.FormatEIN = kKeinFormat;
        colourColumn(SelectionSide::Start, kKeinFormat);
    }
    if (job_.FormatAUS != kKeinFormat && !offers(job_.ZielEllipsoid, job_.FormatAUS)) {
        job_.FormatAUS = kKeinFormat;
        colourColumn(SelectionSide::Target, kKeinFormat);
    }
    if (job_.FormatEIN == kKeinFormat || job_.FormatAUS == kKeinFormat)
        setContinueEnabled(false);
}

void SelectionRules::colourColumn(SelectionSide side, int chosenCode) {
    for (int code = 1; code <= kFormatCount; ++code)
        view_.showFormatChosen(side, code, code == chosenCode);
    if (side == SelectionSide::Target)
        view_.showFormatChosen(side, kAlleSchreibweisen, chosenCode == kAlleSchreibweisen);
}

void SelectionRules::pressFormat(SelectionSide side, int code) {
    const bool list = side == SelectionSide::Target && code == kAlleSchreibweisen;
    if ((code < 1 || code > kFormatCount) && !list)
        return;
    const bool wasList = job_.FormatAUS == kAlleSchreibweisen;
    colourColumn(side, code);
    (side == SelectionSide::Start ? job_.FormatEIN : job_.FormatAUS) =
        static_cast<std::uint8_t>(code);
    if (side == SelectionSide::Target && wasList != list)
        offerOfficialChoice(); // the list offers it for another set of pairs
    ZahlenEingabeEnablen();
}

// Enables "Weiter zur Zahleneingabe" once both formats are chosen; it never
// disables it.
void SelectionRules::ZahlenEingabeEnablen() {
    if (job_.FormatEIN != kKeinFormat && job_.FormatAUS != kKeinFormat)
        setContinueEnabled(true);
}

bool SelectionRules::pressZahlenEingabe() {
    if (job_.FormatEIN == kKeinFormat || job_.FormatAUS == kKeinFormat)
        return false;
    job_.Aufgabe = taskCode(job_.FormatEIN, job_.FormatAUS);
    return true;
}

void SelectionRules::setContinueEnabled(bool enabled) {
    continueEnabled_ = enabled;
    view_.setContinueEnabled(enabled);
}

} // namespace lw
