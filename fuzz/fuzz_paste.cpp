// Fuzzes the reader of pasted coordinates with arbitrary clipboard texts,
// in the mask of one notation and across all of them; a plain list line
// also through the short way of lists against the whole run.
// Input layout: byte 0 picks the input notation (a format code) and, by its
// eighths, the ellipsoid of the cross-notation reading; the rest is the text.
#include "conversion/pasted_coordinate.h"
#include "conversion/pasted_notation.h"
#include "conversion/plain_run.h"
#include "conversion/point_entry.h"
#include "conversion/result_line.h"
#include "fuzz_invariants.h"
#include "geodesy/gauss_krueger.h"
#include "model/notations.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

using namespace lw;

// The hemisphere letter of an option, by its place in the notation's list
// (north, south, east, west).
std::string hemisphereLetterOf(const Notation& notation, Element option) {
    static constexpr const char* kLetters[] = {"N", "S", "E", "W"};
    for (std::size_t i = 0; i < notation.hemisphereOptions.size(); ++i)
        if (notation.hemisphereOptions[i] == option)
            return kLetters[i];
    return {};
}

std::string stripMeridian(const std::string& easting, const std::vector<Element>& options,
                          const Notation& notation) {
    if (options.empty() || easting.empty())
        return {};
    const int width = options.front() == notation.stripOptions[0] ? 3 : 6;
    const int strip = easting.front() - '0';
    return " E" + std::to_string(static_cast<int>(gkCentralMeridianDeg(strip, width)));
}

// The recognised parts written again in the notation's plainest form: what a
// user gets by copying the filled mask by hand. Read again, it must give the
// same fields and options.
std::string writtenAgain(const Notation& notation, const PastedCoordinate& pasted) {
    std::vector<std::string> parts;
    for (const auto& field : pasted.fields)
        parts.push_back(field.second);
    std::string text;
    auto add = [&text](const std::string& word) {
        if (!word.empty())
            text += (text.empty() ? "" : " ") + word;
    };
    switch (notation.paste) {
    case PasteForm::Geographic: {
        const std::size_t perSide = parts.size() / 2;
        for (std::size_t side = 0; side < 2; ++side) {
            for (Element option : pasted.options) {
                const std::string letter = hemisphereLetterOf(notation, option);
                const bool latitude = letter == "N" || letter == "S";
                if (latitude == (side == 0))
                    add(letter);
            }
            for (std::size_t i = 0; i < perSide; ++i)
                add(parts[side * perSide + i]);
        }
        break;
    }
    case PasteForm::UtmMilitary: {
        add(parts[0]);
        add(parts[1]);
        std::string pairs;
        for (std::size_t i = 2; i < parts.size(); ++i)
            if (!parts[i].empty())
                pairs += (pairs.empty() ? "" : ".") + parts[i];
        add(pairs);
        break;
    }
    case PasteForm::GaussKrueger:
        text =
            "R " + parts[0] + " H " + parts[1] + stripMeridian(parts[0], pasted.options, notation);
        break;
    default:
        for (const std::string& part : parts)
            add(part);
    }
    return text;
}

std::vector<Element> sorted(std::vector<Element> options) {
    std::sort(options.begin(), options.end());
    return options;
}

// Every notation named as taking the text is offered by the ellipsoid and
// takes it; the one proposed for a mask is one of them and not the mask's
// (the only one, or the most direct of readings of the same point). A link
// is read on GRS80 alone.
void checkAcrossNotations(int notation, std::string_view ellipsoid, const std::string& text) {
    const std::vector<int> taking = notationsTakingPaste(text, ellipsoid);
    for (int code : taking) {
        fuzz::require(offersNotation(ellipsoid, static_cast<std::uint8_t>(code)),
                      "taken by a notation the ellipsoid does not offer", text);
        fuzz::require(recognisePastedCoordinate(code, text, ellipsoid).has_value(),
                      "taken by a notation whose reader refuses it", text);
    }
    const auto other = otherNotationOfPaste(text, ellipsoid, notation);
    if (other) {
        fuzz::require(std::find(taking.begin(), taking.end(), *other) != taking.end() &&
                          *other != notation,
                      "proposed without taking the text", text);
        const std::string question = notationSwitchQuestion(*other, text);
        fuzz::require(!fuzz::looksGarbled(question) || fuzz::looksGarbled(text), "question garbled",
                      question);
    }
    fuzz::require(taking.empty() || ellipsoid == kGRS80 || !namesWgs84Position(text),
                  "a link taken on another ellipsoid than GRS80", text);
    if (asksForGrs80Start(text, ellipsoid)) {
        const std::string question = grs80StartQuestion(notation, text);
        fuzz::require(!fuzz::looksGarbled(question) || fuzz::looksGarbled(text), "question garbled",
                      question);
    }
    ConversionJob job;
    job.StartEllipsoid = std::string(ellipsoid);
    job.FormatEIN = static_cast<std::uint8_t>(notation);
    for (bool chosen : {false, true})
        if (const auto start = startSideOfPaste(text, job, chosen))
            fuzz::require(
                recognisePastedCoordinate(start->notation, text, start->ellipsoid) &&
                    offersNotation(start->ellipsoid, static_cast<std::uint8_t>(start->notation)),
                "start side that does not take the text", text);
}

// Every task from the notation with a short way for plain lines, each with
// the point entry of the whole run beside it, made once.
struct PlainTask {
    PointEntry entry;
    PlainRun plain;
    std::vector<std::string> texts;
};

std::vector<PlainTask>& plainTasksOf(int notation) {
    static std::vector<std::vector<PlainTask>> tasks(kNotations.size() + 1);
    std::vector<PlainTask>& own = tasks[static_cast<std::size_t>(notation)];
    static std::vector<bool> made(kNotations.size() + 1);
    if (made[static_cast<std::size_t>(notation)])
        return own;
    made[static_cast<std::size_t>(notation)] = true;
    for (const auto& start : kEllipsoidLetters)
        for (const auto& target : kEllipsoidLetters)
            for (const Notation& out : kNotations) {
                ConversionJob job;
                job.StartEllipsoid = start.jobName;
                job.ZielEllipsoid = target.jobName;
                job.FormatEIN = static_cast<std::uint8_t>(notation);
                job.FormatAUS = out.code;
                job.Aufgabe = taskCode(notation, out.code);
                if (!offersNotation(job.StartEllipsoid, job.FormatEIN) ||
                    !offersNotation(job.ZielEllipsoid, job.FormatAUS) ||
                    !PlainRun(job, true).covers())
                    continue;
                own.push_back({PointEntry(job, {}, "."), PlainRun(job, true),
                               std::vector<std::string>(outputMaskFields(out.code).size())});
            }
    return own;
}

// Wherever the short way answers, the whole run writes the same texts and
// no message.
void checkPlainRun(int notation, const PlainCoordinate& plain, const std::string& text) {
    for (PlainTask& task : plainTasksOf(notation)) {
        GeoPoint grs80{};
        if (!task.entry.keptAsTyped(plain) || !task.plain.convert(plain, task.texts, grs80))
            continue;
        const PointOutcome& run = *task.entry.convertPlain(plain);
        fuzz::require(run.firstMessage() == nullptr, "short way answered a refused point", text);
        const std::span<const Element> fields = outputMaskFields(task.entry.job().FormatAUS);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string* written = run.textAfter(fields[i]);
            fuzz::require(task.texts[i] == (written ? *written : std::string()),
                          "short way's text differs", text + " -> " + task.texts[i]);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lw;
    if (size == 0)
        return 0;
    const int notation = 1 + static_cast<int>(data[0] % lw::kNotations.size());
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t ellipsoidIndex = data[0] / kNotations.size() % kEllipsoidLetters.size();
    checkAcrossNotations(notation, kEllipsoidLetters[ellipsoidIndex].jobName, text);
    const auto pasted = recognisePastedCoordinate(notation, text);
    // The one-pass reader of a list's common line takes nothing the paste
    // reader reads otherwise.
    if (const auto plain = plainCoordinate(notation, text)) {
        fuzz::require(pasted && pasted->fields.size() == plain->partCount, "plain line not read",
                      text);
        for (std::size_t i = 0; i < plain->partCount; ++i)
            fuzz::require(pasted->fields[i].second == plain->parts[i], "plain part differs", text);
        fuzz::require(pasted->options ==
                          std::vector<Element>(plain->options.begin(),
                                               plain->options.begin() +
                                                   static_cast<std::ptrdiff_t>(plain->optionCount)),
                      "plain options differ", text);
        checkPlainRun(notation, *plain, text);
    }
    if (!pasted)
        return 0;
    // A recognised text fills the first field of its mask, and no field or
    // option more than once; no part is garbled unless the text was.
    fuzz::require(!pasted->fields.empty(), "recognised without fields", text);
    fuzz::require(takesWholeCoordinate(pasted->fields.front().first), "first field of no mask",
                  text);
    for (std::size_t i = 0; i < pasted->fields.size(); ++i) {
        const auto& [field, part] = pasted->fields[i];
        fuzz::require(!fuzz::looksGarbled(part) || fuzz::looksGarbled(text), "part garbled", part);
        for (std::size_t j = i + 1; j < pasted->fields.size(); ++j)
            fuzz::require(pasted->fields[j].first != field, "field filled twice", text);
    }
    const auto options = sorted(pasted->options);
    fuzz::require(std::adjacent_find(options.begin(), options.end()) == options.end(),
                  "option chosen twice", text);

    // Written again and pasted again, the same fields and options.
    const Notation& n = *notationOf(notation);
    const std::string again = writtenAgain(n, *pasted);
    const auto repasted = recognisePastedCoordinate(notation, again);
    fuzz::require(repasted.has_value(), "written again, not recognised", again);
    fuzz::require(repasted->fields == pasted->fields, "written again, other fields", again);
    fuzz::require(sorted(repasted->options) == options, "written again, other options", again);
    return 0;
}
