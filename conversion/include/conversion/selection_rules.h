// The selection screen's rules, without its widgets: which ellipsoid and
// format buttons are offered and shown as chosen, when "Weiter zur
// Zahleneingabe" may be pressed, when the official DHDN <-> ETRS89
// transformation is offered, and what each press writes into the job.
//
// The Qt screen forwards every press here and shows what it is told through
// SelectionView; it decides nothing itself.
#pragma once

#include "model/job.h"

#include <functional>
#include <string_view>

namespace lw {

enum class SelectionSide { Start, Target };

// The ellipsoid buttons in screen order: GRS80, Bessel, Hayford.
inline constexpr int kEllipsoidButtonCount = 3;
inline constexpr int kGrs80Button = 0;

// Shown on the disabled box when the pair is not Bessel <-> GRS80.
inline constexpr const char* kOfficialPairOnlyText = "nur für Bessel ↔ GRS80";

class SelectionView {
public:
    virtual ~SelectionView() = default;
    virtual void showEllipsoidChosen(SelectionSide side, int index, bool chosen) = 0;
    virtual void setEllipsoidEnabled(SelectionSide side, int index, bool enabled) = 0;
    virtual void showFormatChosen(SelectionSide side, int code, bool chosen) = 0;
    virtual void setFormatEnabled(SelectionSide side, int code, bool enabled) = 0;
    virtual void setContinueEnabled(bool enabled) = 0;
    // The official box: enabled or not, checked or not, and the tooltip that
    // says why it is disabled ("" when it is enabled).
    virtual void showOfficialChoice(bool enabled, bool checked, std::string_view tooltip) = 0;
};

class SelectionRules {
public:
    // `gridAvailable` tells whether PROJ can open the BeTA2007 grid; it is
    // asked once, when a Bessel <-> GRS80 pair is first chosen, so that
    // start-up never waits for PROJ.
    SelectionRules(ConversionJob& job, SelectionView& view, std::function<bool()> gridAvailable);

    // Loading the screen: clears the job, presses the GRS80 start button.
    void load();
    // Activation (first showing, return from the calculation screen): the
    // GRS80 target and the job's start ellipsoid (GRS80 where it has none)
    // pressed, so that the task's start side stays as it was.
    void activate();
    // What the calculation screen's return does before the activation:
    // "Weiter zur Zahleneingabe" disabled, ZielEllipsoideDisablen.
    void prepareReturn();

    void pressEllipsoid(SelectionSide side, int index);
    // `code` 1 to 8 on either side, or kAlleSchreibweisen on the target side.
    void pressFormat(SelectionSide side, int code);
    // The user checked or unchecked the official box.
    void chooseOfficial(bool checked);
    // "Weiter zur Zahleneingabe": sets Aufgabe and returns true when both
    // formats are chosen; otherwise nothing happens.
    bool pressZahlenEingabe();

    void ZielEllipsoideDisablen();
    void AusgabeformateDisablen();
    void PaarFormateDisablen();
    void ZahlenEingabeEnablen();

    bool continueEnabled() const { return continueEnabled_; }
    // Whether the user pressed a start ellipsoid since the screen was loaded
    // or activated; the GRS80 pressed then is the screen's default.
    bool startEllipsoidChosen() const { return startEllipsoidChosen_; }

private:
    void pressStartEllipsoid(int index);
    void pressTargetEllipsoid(int index);
    void enableOfferedFormats(SelectionSide side, const std::string& ellipsoid);
    void clearStaleChoices();
    bool officialOffered() const;
    void offerOfficialChoice();
    void colourColumn(SelectionSide side, int chosenCode);
    void setContinueEnabled(bool enabled);

    ConversionJob& job_;
    SelectionView& view_;
    std::function<bool()> gridAvailable_;
    bool gridAsked_ = false;
    bool gridFound_ = false;
    // The user's choice of the official transformation, kept for the running
    // program while other pairs are chosen in between.
    bool officialWanted_ = false;
    bool continueEnabled_ = false;
    bool startEllipsoidChosen_ = false;
};

} // namespace lw
