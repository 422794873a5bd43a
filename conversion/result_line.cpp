#include "conversion/result_line.h"

#include "model/job.h"

#include <algorithm>
#include <array>

namespace lw {
namespace {

using E = Element;

constexpr std::array kFieldsDecimal = {E::texBreiteAUS, E::texLaengeAUS};
constexpr std::array kFieldsDegreesMinutes = {E::texBreiteGradAUS, E::texBreiteMinuteAUS,
                                              E::texLaengeGradAUS, E::texLaengeMinuteAUS};
constexpr std::array kFieldsDegreesMinutesSeconds = {E::texBGradAUS,    E::texBMinuteAUS,
                                                     E::texBSekundeAUS, E::texLGradAUS,
                                                     E::texLMinuteAUS,  E::texLSekundeAUS};
constexpr std::array kFieldsUtmCivil = {E::texZone2, E::texRechts2, E::texHoch2};
constexpr std::array kFieldsUtmMilitary = {E::texMilUTM};
constexpr std::array kFieldsUtmReference = {E::texREFAUS};
constexpr std::array kFieldsGaussKrueger = {E::texGKRechtsAUS, E::texGKHochAUS, E::texMeridianAUS};

// A Gauß-Krüger easting and northing look alike; the line names them.
constexpr std::array<const char*, 3> kGaussKruegerMarks = {"R", "H", nullptr};

// Appends the blank-separated words of `text`, each after a single blank;
// the military and reference fields show their parts two blanks apart.
void appendWords(std::string& line, const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", pos);
        if (start == std::string::npos)
            return;
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        if (!line.empty())
            line += ' ';
        line.append(text, start, end - start);
        pos = end;
    }
}

} // namespace

std::span<const Element> outputMaskFields(int format) {
    switch (format) {
    case kGradDezimal:
        return kFieldsDecimal;
    case kGradMinuten:
        return kFieldsDegreesMinutes;
    case kGradMinSek:
        return kFieldsDegreesMinutesSeconds;
    case kUTMzivil:
        return kFieldsUtmCivil;
    case kUTMmil:
        return kFieldsUtmMilitary;
    case kUTMref:
        return kFieldsUtmReference;
    case kGaussKrueger:
        return kFieldsGaussKrueger;
    default:
        return {};
    }
}

std::string resultLine(int format, std::span<const std::string> fieldTexts) {
    std::string line;
    for (std::size_t i = 0; i < fieldTexts.size(); ++i) {
        const std::string& text = fieldTexts[i];
        if (text.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (format == kGaussKrueger && i < kGaussKruegerMarks.size() && kGaussKruegerMarks[i])
            appendWords(line, kGaussKruegerMarks[i]);
        appendWords(line, text);
    }
    return line;
}

} // namespace lw
