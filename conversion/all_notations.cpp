#include "conversion/all_notations.h"

#include "conversion/datum_stage.h"
#include "conversion/driver.h"
#include "conversion/result_line.h"
#include "model/all_notations.h"
#include "model/germany.h"
#include "model/notations.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace lw {
namespace {

constexpr const char* kNoDatumShift = "kein Datumsübergang";

// Only the texts a run wrote beside the input (the meridian of a
// Gauss-Krueger input): a computed list leaves those as one run would.
void takeInputTexts(CalcScreen& screen, const PointOutcome& run) {
    for (const ScreenStep& step : run.steps)
        if (step.kind == ScreenStep::Kind::SetText && !isOutputSide(step.element))
            screen.setText(step.element, step.text);
}

// The copy line of the output mask of `format` on `ellipsoid`.
std::string resultLineOf(const PointOutcome& run, int format, const char* ellipsoid) {
    std::vector<std::string> texts;
    for (Element e : outputMaskFields(format)) {
        const std::string* text = run.textAfter(e);
        texts.push_back(text ? *text : std::string());
    }
    return resultLine(format, ellipsoid, texts);
}

// The run's last message as one line.
std::string reasonOf(const PointOutcome& run) {
    const std::string* message = run.lastMessage();
    return message ? messageAsOneLine(*message) : std::string();
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
    const std::string_view note = genauigkeitsText(job);
    return std::string(group.caption) + ": " + std::string(note.empty() ? kNoDatumShift : note);
}

// A Bessel line reached by a datum shift whose position lies outside
// Germany, where the DHDN shift is not defined.
bool besselOutsideGermany(const ConversionJob& listJob, const AllNotationsLine& line,
                          const PointOutcome& run) {
    return std::string_view(line.ellipsoid) == kBessel && listJob.StartEllipsoid != kBessel &&
           run.target && !germany::inGaussKruegerBox(run.target->latDeg, run.target->lonDeg);
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
    std::optional<PointOutcome> kept;
    Arbeitsvariablen keptCalc;
    bool keptWrote = false, anyInputTaken = false;
    const InputMask mask(screen);
    for (const AllNotationsLine& line : kAllNotationsLines) {
        ProgramState single{jobOfLine(state.job, line), state.calc};
        PointOutcome run = convertPoint(mask, single);
        const RunEnd end = run.end;
        anyInputTaken = anyInputTaken || end != RunEnd::InputRefused;
        if (end == RunEnd::Written && besselOutsideGermany(state.job, line, run))
            shown.push_back({std::string(kDhdnOutsideGermanyText), false});
        else if (end == RunEnd::Written)
            shown.push_back({resultLineOf(run, line.format, line.ellipsoid), true});
        else
            shown.push_back({reasonOf(run), false});
        if (!kept || (!keptWrote && end == RunEnd::Written)) {
            kept = std::move(run);
            keptCalc = single.calc;
            keptWrote = end == RunEnd::Written;
        }
    }
    state.calc = keptCalc;
    if (!anyInputTaken) {
        // An input no notation takes is refused once, as a single
        // conversion refuses it. (Some checks depend on the output: a
        // latitude beyond 84° is refused only for UTM.)
        carryOut(screen, *kept);
        return;
    }
    takeInputTexts(screen, *kept);

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
