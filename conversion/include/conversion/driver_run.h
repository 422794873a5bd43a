// What one run of the calculation driver works with: the input mask it reads,
// the program state, and the record of what the run does to the screen.
#pragma once

#include "conversion/point_outcome.h"
#include "geodesy/datum.h"
#include "model/job.h"
#include "model/screen.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lw {

// What a run has done so far, as the outcome's steps, and the output texts
// it holds back until it has finished without a failure. Reads see the run's
// own writes over the input mask, as they would on the screen.
class RunRecord {
public:
    RunRecord(const MaskView& mask, PointOutcome& outcome) : mask_(mask), outcome_(outcome) {
        outcome_.heldBack.clear();
    }

    // The text of `e` as the run has left it; with `withHeldBack` the texts
    // held back count as written.
    std::string text(Element e, bool withHeldBack) const;
    bool isChecked(Element option) const { return mask_.isChecked(option); }
    std::string localeDecimalSeparator() const { return mask_.localeDecimalSeparator(); }

    // A step taken now.
    void take(ScreenStep::Kind kind, Element e = Element::Count_, std::string_view text = {},
              MessageIcon icon = MessageIcon::Critical) {
        outcome_.steps.push(kind, e, icon, text);
    }
    // An output text held back until commit().
    void hold(Element e, std::string_view text) {
        outcome_.heldBack.push(ScreenStep::Kind::SetText, e, MessageIcon::Critical, text);
    }
    // The output reset, which also drops what the run holds back.
    void reset();
    // The held-back texts become steps, in the order written.
    void commit();

private:
    const MaskView& mask_;
    PointOutcome& outcome_;
};

// The screen as the steps of a run see it: `Now` takes each call as a step at
// once (the checks, the driver's own messages), `HeldBack` holds the text
// writes back for the result (the conversion procedures, the output texts).
class RunScreenView final : public CalcScreen {
public:
    enum class Writes { Now, HeldBack };
    RunScreenView(RunRecord& record, Writes writes) : record_(record), writes_(writes) {}

    std::string text(Element e) const override {
        return record_.text(e, writes_ == Writes::HeldBack);
    }
    void setText(Element e, const std::string& text) override;
    bool isChecked(Element option) const override { return record_.isChecked(option); }
    void setFocus(Element e) override { record_.take(ScreenStep::Kind::Focus, e); }
    void selectAll(Element field) override { record_.take(ScreenStep::Kind::SelectAll, field); }
    void setEnabled(Element e, bool enabled) override {
        record_.take(enabled ? ScreenStep::Kind::Enable : ScreenStep::Kind::Disable, e);
    }
    void setVisible(Element e, bool visible) override {
        record_.take(visible ? ScreenStep::Kind::Show : ScreenStep::Kind::Hide, e);
    }
    void playSystemSound(const std::string& alias) override {
        record_.take(ScreenStep::Kind::Sound, Element::Count_, alias);
    }
    std::string localeDecimalSeparator() const override { return record_.localeDecimalSeparator(); }
    void showMessage(MessageIcon icon, const std::string& text) override {
        record_.take(ScreenStep::Kind::Message, Element::Count_, text, icon);
    }
    void AusgabeReset() override { record_.reset(); }

private:
    RunRecord& record_;
    Writes writes_;
};

// One press of "Berechnung".
struct DriverRun {
    DriverRun(const MaskView& mask, ProgramState& programState, PointOutcome& outcome)
        : record(mask, outcome), screen(record, RunScreenView::Writes::Now), state(programState),
          out(record, RunScreenView::Writes::HeldBack) {}

    RunRecord record;
    RunScreenView screen; // for the validators and the driver's own messages
    ProgramState& state;  // job, working variables, argument slots
    RunScreenView out;    // for the conversion procedures and the output texts
    // What the output row adds to the accuracy line (a neighbour zone or
    // strip in place of the point's own); "" for nothing.
    std::string accuracyNote;
    // The point on GRS80 (WGS 84), once the datum stage knows it.
    std::optional<GeoPoint> grs80;
    // The point on the target ellipsoid, once the datum stage has it.
    std::optional<GeoPoint> target;

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
