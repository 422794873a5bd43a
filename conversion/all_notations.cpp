#include "conversion/all_notations.h"

#include "conversion/datum_stage.h"
#include "conversion/driver.h"
#include "conversion/result_line.h"
#include "model/all_notations.h"
#include "model/germany.h"
#include "model/notations.h"
#include "text/numtext.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace lw {
namespace {

constexpr const char* kNoDatumShift = "kein Datumsübergang";

// Elements a run writes as its result, and the output choices it reads: a
// line's run sees its own writes or nothing there, never what the screen
// shows for another job (a strip chosen for a single Gauss-Krueger output).
bool isOutputSide(Element e) {
    if (e == Element::labGenauigkeit || e == Element::texStreifenWahl || e == Element::texZoneWahl)
        return true;
    auto holds = [e](const auto& list) {
        return std::find(list.begin(), list.end(), e) != list.end();
    };
    return holds(kOutputFields) || holds(kAllNotationsRows);
}

// The screen as one line's run sees it: it reads the input mask and its
// options from the real screen and keeps everything it does to itself, in
// order, so that the list can decide afterwards what reaches the screen.
class LineRunScreen : public CalcScreen {
public:
    explicit LineRunScreen(CalcScreen& real) : real_(real) {}

    std::string text(Element e) const override {
        if (auto it = written_.find(e); it != written_.end())
            return it->second;
        return isOutputSide(e) ? std::string() : real_.text(e);
    }
    void setText(Element e, const std::string& text) override {
        written_[e] = text;
        record([e, text](CalcScreen& s) { s.setText(e, text); }, isOutputSide(e));
    }
    bool isChecked(Element option) const override { return real_.isChecked(option); }
    void setFocus(Element e) override {
        record([e](CalcScreen& s) { s.setFocus(e); });
    }
    void selectAll(Element field) override {
        record([field](CalcScreen& s) { s.selectAll(field); });
    }
    void setEnabled(Element e, bool on) override {
        record([e, on](CalcScreen& s) { s.setEnabled(e, on); });
    }
    void setVisible(Element e, bool on) override {
        record([e, on](CalcScreen& s) { s.setVisible(e, on); });
    }
    void playSystemSound(const std::string& alias) override {
        record([alias](CalcScreen& s) { s.playSystemSound(alias); });
    }
    std::string localeDecimalSeparator() const override { return real_.localeDecimalSeparator(); }
    void showMessage(MessageIcon icon, const std::string& text) override {
        lastMessage_ = text;
        record([icon, text](CalcScreen& s) { s.showMessage(icon, text); });
    }
    void AusgabeReset() override {
        std::erase_if(written_, [](const auto& write) { return isOutputSide(write.first); });
        record([](CalcScreen& s) { s.AusgabeReset(); });
    }

    // Everything the run did, on the real screen, in order: what a single
    // conversion of a refused input does.
    void replayAll() const {
        for (const Step& step : steps_)
            step.apply(real_);
    }
    // Only the texts the run wrote beside the input (the meridian of a
    // Gauss-Krueger input): a computed list leaves those as one run would.
    void replayInputTexts() const {
        for (const Step& step : steps_)
            if (step.inputText)
                step.apply(real_);
    }

    // The copy line of the output mask of `format` on `ellipsoid`.
    std::string resultLineOf(int format, const char* ellipsoid) const {
        std::vector<std::string> texts;
        for (Element e : outputMaskFields(format))
            texts.push_back(text(e));
        return resultLine(format, ellipsoid, texts);
    }
    // The run's last message as one line.
    std::string reason() const;

private:
    struct Step {
        std::function<void(CalcScreen&)> apply;
        bool inputText = false;
    };
    void record(std::function<void(CalcScreen&)> apply, bool outputSide = true) {
        steps_.push_back({std::move(apply), !outputSide});
    }

    CalcScreen& real_;
    std::map<Element, std::string> written_;
    std::vector<Step> steps_;
    std::string lastMessage_;
};

std::string LineRunScreen::reason() const {
    return messageAsOneLine(lastMessage_);
}

char pairLetterOf(std::string_view ellipsoid) {
    for (const EllipsoidLetter& e : kEllipsoidLetters)
        if (ellipsoid == e.jobName)
            return e.pairLetter;
    return '?';
}

// The job of a single conversion of the same input to one list line.
ConversionJob jobOfLine(const ConversionJob& listJob, const AllNotationsLine& line) {
    ConversionJob job = listJob;
    job.ZielEllipsoid = line.ellipsoid;
    job.FormatAUS = line.format;
    job.EllipsoidPaar = {pairLetterOf(job.StartEllipsoid), pairLetterOf(line.ellipsoid)};
    job.Aufgabe = taskCode(job.FormatEIN, line.format);
    return job;
}

// "Bessel (DHDN): Datumsübergang amtlich (BeTA2007)": how the group's datum
// shift is made, as the accuracy line of a single conversion says it.
std::string headingOf(const AllNotationsGroup& group, const ConversionJob& listJob) {
    ConversionJob job = listJob;
    job.ZielEllipsoid = group.ellipsoid;
    job.FormatAUS = kGradDezimal;
    const std::string note = genauigkeitsText(job);
    return std::string(group.caption) + ": " + (note.empty() ? kNoDatumShift : note);
}

// A Bessel line reached by a datum shift whose position lies outside
// Germany, where the DHDN shift is not defined.
bool besselOutsideGermany(const ConversionJob& listJob, const AllNotationsLine& line,
                          const Arbeitsvariablen& calc) {
    return std::string_view(line.ellipsoid) == kBessel && listJob.StartEllipsoid != kBessel &&
           !germany::inGaussKruegerBox(readNumber(calc.strBreiteBessel),
                                       readNumber(calc.strLaengeBessel));
}

} // namespace

void alleSchreibweisenBerechnen(CalcScreen& screen, ProgramState& state) {
    struct Shown {
        std::string text;
        bool value;
    };
    std::vector<Shown> shown;
    // The run whose traces stay on the screen: the first that wrote a
    // result (its meridian beside a Gauss-Krueger input), or, where none
    // did, the first.
    std::optional<LineRunScreen> kept;
    Arbeitsvariablen keptCalc;
    bool keptWrote = false, anyInputTaken = false;
    for (const AllNotationsLine& line : kAllNotationsLines) {
        ProgramState single{jobOfLine(state.job, line), state.calc};
        LineRunScreen run(screen);
        const RunEnd end = runConversion(run, single);
        anyInputTaken = anyInputTaken || end != RunEnd::InputRefused;
        if (!kept || (!keptWrote && end == RunEnd::Written)) {
            kept.emplace(run);
            keptCalc = single.calc;
            keptWrote = end == RunEnd::Written;
        }
        if (end == RunEnd::Written && besselOutsideGermany(state.job, line, single.calc))
            shown.push_back({std::string(kDhdnOutsideGermanyText), false});
        else if (end == RunEnd::Written)
            shown.push_back({run.resultLineOf(line.format, line.ellipsoid), true});
        else
            shown.push_back({run.reason(), false});
    }
    state.calc = keptCalc;
    if (!anyInputTaken) {
        // An input no notation takes is refused once, as a single
        // conversion refuses it. (Some checks depend on the output: a
        // latitude beyond 84° is refused only for UTM.)
        kept->replayAll();
        return;
    }
    kept->replayInputTexts();

    for (const AllNotationsGroup& group : kAllNotationsGroups)
        screen.setText(group.heading, headingOf(group, state.job));
    for (std::size_t i = 0; i < kAllNotationsLines.size(); ++i) {
        screen.setText(kAllNotationsLines[i].field, shown[i].text);
        screen.setEnabled(kAllNotationsLines[i].field, shown[i].value);
    }
    screen.setText(Element::labGenauigkeit, std::string(kAllNotationsAccuracyText));
}

std::string messageAsOneLine(const std::string& message) {
    std::string line;
    for (char c : message) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

std::string allNotationsText(const CalcScreen& screen) {
    std::string list;
    auto add = [&list](const std::string& line) {
        if (!list.empty())
            list += '\n';
        list += line;
    };
    for (const AllNotationsGroup& group : kAllNotationsGroups) {
        if (const std::string heading = screen.text(group.heading); !heading.empty())
            add(heading);
        for (const AllNotationsLine& line : kAllNotationsLines)
            if (const std::string text = screen.text(line.field);
                !text.empty() && std::string_view(line.ellipsoid) == group.ellipsoid)
                add(allNotationsLabel(line) + ": " + text);
    }
    return list;
}

} // namespace lw
