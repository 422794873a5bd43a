// Setting up one "Berechnung": the job, the typed input of each notation, and
// reading the output mask back.
#pragma once

#include "conversion/driver.h"
#include "model/job.h"

#include "support/fake_screen.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lw::test {

using Texts = std::vector<std::pair<Element, std::string>>;

// The job the selection screen leaves for a start and target.
inline ConversionJob jobOf(const char* start, int formatIn, const char* target, int formatOut) {
    ConversionJob job;
    job.StartEllipsoid = start;
    job.ZielEllipsoid = target;
    job.FormatEIN = static_cast<std::uint8_t>(formatIn);
    job.FormatAUS = static_cast<std::uint8_t>(formatOut);
    job.Aufgabe = std::to_string(formatIn) + std::to_string(formatOut);
    return job;
}

// A calculation screen with a job and typed input, ready for comRechnenClick.
struct DriverBench {
    FakeScreen screen;
    ProgramState state;

    DriverBench(const char* start, const char* target, int formatIn, int formatOut) {
        state.job = jobOf(start, formatIn, target, formatOut);
    }

    void type(const Texts& texts) {
        for (const auto& [field, text] : texts)
            screen.type(field, text);
    }

    // Zone limits of band U, as leaving texZone with "32U" stores them.
    void bandULimits() {
        state.calc.strRechtsMin = "0276224";
        state.calc.strRechtsMax = "0723776";
        state.calc.strHochMin = "5316301";
        state.calc.strHochMax = "6210141";
    }

    // Every output field holds a text, as a previous result would leave it.
    void fillOutput() {
        for (Element e : kOutputFields)
            screen.type(e, "alt");
    }

    void press() {
        screen.clearLog();
        comRechnenClick(screen, state);
    }

    // The output fields that hold a text, with their texts.
    std::map<Element, std::string> writtenOutput() const {
        std::map<Element, std::string> out;
        for (Element e : kOutputFields)
            if (!screen.text(e).empty())
                out[e] = screen.text(e);
        if (!screen.text(Element::labStreifenbreite).empty())
            out[Element::labStreifenbreite] = screen.text(Element::labStreifenbreite);
        return out;
    }
};

inline std::map<Element, std::string> asMap(const Texts& texts) {
    return {texts.begin(), texts.end()};
}

} // namespace lw::test
