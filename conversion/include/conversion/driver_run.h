// What one run of the calculation driver works with: the real screen, the
// program state, and a stand-in screen that holds the run's output back until
// the run has finished without a refusal.
#pragma once

#include "model/job.h"
#include "model/screen.h"

#include <string>
#include <utility>
#include <vector>

namespace lw {

// The screen as the conversion procedures of one run see it. Reads, options,
// sounds and the locale go to the real screen. Text writes are held back in
// order (and read back by later steps of the run) until commit(). Message
// boxes are shown on the real screen at once; whether a procedure failed is
// what it returns, not what it showed.
class RunScreen : public CalcScreen {
public:
    // Room for a whole output mask and its notes, so that a run grows the
    // list of held-back texts at most once.
    explicit RunScreen(CalcScreen& real) : real_(real) { pending_.reserve(kHeldBackRoom); }

    std::string text(Element e) const override;
    void setText(Element e, const std::string& text) override;
    bool isChecked(Element option) const override { return real_.isChecked(option); }
    void setFocus(Element e) override { real_.setFocus(e); }
    void selectAll(Element field) override { real_.selectAll(field); }
    void setEnabled(Element e, bool enabled) override { real_.setEnabled(e, enabled); }
    void setVisible(Element e, bool visible) override { real_.setVisible(e, visible); }
    void playSystemSound(const std::string& alias) override { real_.playSystemSound(alias); }
    std::string localeDecimalSeparator() const override { return real_.localeDecimalSeparator(); }
    void showMessage(MessageIcon icon, const std::string& text) override {
        real_.showMessage(icon, text);
    }
    void AusgabeReset() override;

    // Writes the held-back texts to the real screen, in the order written.
    void commit();

private:
    static constexpr std::size_t kHeldBackRoom = 32;
    CalcScreen& real_;
    std::vector<std::pair<Element, std::string>> pending_;
};

// One press of "Berechnung".
struct DriverRun {
    DriverRun(CalcScreen& realScreen, ProgramState& programState)
        : screen(realScreen), state(programState), out(realScreen) {}

    CalcScreen& screen;  // for the validators and the driver's own messages
    ProgramState& state; // job, working variables, argument slots
    RunScreen out;       // for the conversion procedures and the output texts
    // What the output row adds to the accuracy line (a neighbour zone or
    // strip in place of the point's own); "" for nothing.
    std::string accuracyNote;

    const ConversionJob& job() const { return state.job; }
    Arbeitsvariablen& calc() { return state.calc; }
};

// The driver's own refusal of a point that the output notation cannot show:
// error sound, output mask emptied, then the critical message box.
void refuseOutput(DriverRun& run, const std::string& message);

// Ellipsoid text of the UTM procedures for a job's ellipsoid name: "WGS" for
// GRS80, "Hayford" for Hayford, "" for an ellipsoid without UTM (Bessel).
std::string utmEllipsoidText(const std::string& ellipsoidName);

} // namespace lw
