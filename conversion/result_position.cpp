#include "conversion/result_position.h"

#include "conversion/driver.h"
#include "model/notations.h"
#include "text/numtext.h"

#include <algorithm>
#include <map>

namespace lw {
namespace {

bool isOutputSide(Element e) {
    auto holds = [e](const auto& list) {
        return std::find(list.begin(), list.end(), e) != list.end();
    };
    return e == Element::labGenauigkeit || holds(kOutputFields) || holds(kAllNotationsRows);
}

// The input mask and its options as the screen shows them; what the run
// writes stays here, and everything else it does (messages, sounds, focus)
// goes nowhere.
class InputOnlyScreen final : public CalcScreen {
public:
    explicit InputOnlyScreen(const CalcScreen& real) : real_(real) {}

    std::string text(Element e) const override {
        if (auto it = written_.find(e); it != written_.end())
            return it->second;
        return isOutputSide(e) ? std::string() : real_.text(e);
    }
    void setText(Element e, const std::string& text) override { written_[e] = text; }
    bool isChecked(Element option) const override { return real_.isChecked(option); }
    void setFocus(Element) override {}
    void selectAll(Element) override {}
    void setEnabled(Element, bool) override {}
    void setVisible(Element, bool) override {}
    void playSystemSound(const std::string&) override {}
    std::string localeDecimalSeparator() const override { return real_.localeDecimalSeparator(); }
    void showMessage(MessageIcon, const std::string&) override {}
    void AusgabeReset() override {
        std::erase_if(written_, [](const auto& write) { return isOutputSide(write.first); });
    }

private:
    const CalcScreen& real_;
    std::map<Element, std::string> written_;
};

ConversionJob toGrs80Degrees(ConversionJob job) {
    job.ZielEllipsoid = kGRS80;
    job.FormatAUS = kGradDezimal;
    job.Aufgabe = taskCode(job.FormatEIN, kGradDezimal);
    job.EllipsoidPaar = std::string{job.EllipsoidPaar.empty() ? '?' : job.EllipsoidPaar[0], 'A'};
    job.Amtlich = false;
    return job;
}

} // namespace

std::optional<GeoPoint> grs80PositionOfInput(const CalcScreen& screen, const ProgramState& state) {
    InputOnlyScreen input(screen);
    ProgramState run{toGrs80Degrees(state.job), state.calc};
    run.calc.strBreiteGRS80.clear();
    run.calc.strLaengeGRS80.clear();
    if (runConversion(input, run) != RunEnd::Written || run.calc.strBreiteGRS80.empty())
        return std::nullopt;
    return GeoPoint{readNumber(run.calc.strBreiteGRS80), readNumber(run.calc.strLaengeGRS80)};
}

} // namespace lw
