#include "conversion/result_position.h"

#include "conversion/driver.h"
#include "model/notations.h"

#include <algorithm>

namespace lw {
namespace {

bool isOutputSide(Element e) {
    auto holds = [e](const auto& list) {
        return std::find(list.begin(), list.end(), e) != list.end();
    };
    return e == Element::labGenauigkeit || e == Element::texStreifenWahl ||
           e == Element::texZoneWahl || holds(kOutputFields) || holds(kAllNotationsRows);
}

// The input mask and its options as the screen shows them, without the
// output side: the extra run reads no choice made for another output.
class InputMask final : public MaskView {
public:
    explicit InputMask(const MaskView& screen) : screen_(screen) {}
    std::string text(Element e) const override {
        return isOutputSide(e) ? std::string() : screen_.text(e);
    }
    bool isChecked(Element option) const override { return screen_.isChecked(option); }
    std::string localeDecimalSeparator() const override { return screen_.localeDecimalSeparator(); }

private:
    const MaskView& screen_;
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

std::optional<GeoPoint> grs80PositionOfInput(const MaskView& screen, const ProgramState& state) {
    ProgramState run{toGrs80Degrees(state.job), state.calc};
    const PointOutcome outcome = convertPoint(InputMask(screen), run);
    if (outcome.end != RunEnd::Written)
        return std::nullopt;
    return outcome.grs80;
}

} // namespace lw
