#include "conversion/output_choice.h"

#include "validation/refusal.h"

#include <algorithm>

namespace lw {

std::optional<int> chosenNumber(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::string digits = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const bool number = digits.size() <= 3 && std::all_of(digits.begin(), digits.end(), [](char c) {
                            return c >= '0' && c <= '9';
                        });
    return number ? std::stoi(digits) : 0;
}

std::string alternatives(const std::vector<int>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += i + 1 == values.size() ? " oder " : ", ";
        text += std::to_string(values[i]);
    }
    return text;
}

void refuseChoice(DriverRun& run, Element field, const std::string& message) {
    refuseOutput(run, message);
    run.screen.setFocus(field);
    run.screen.selectAll(field);
}

void noteNeighbour(DriverRun& run, const std::string& note) {
    run.accuracyNote = note;
}

} // namespace lw
