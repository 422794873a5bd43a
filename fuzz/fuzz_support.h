// Input plumbing shared by the fuzz targets that drive the calculation screen
// through the recording fake: the input fields of each notation, field texts
// from the fuzz input, and key presses played into a field.
#pragma once

#include "model/job.h"
#include "model/notations.h"
#include "model/screen.h"
#include "support/fake_screen.h"
#include "validation/field_events.h"

#include <span>
#include <string>
#include <vector>

namespace lw::fuzz {

// The input fields of a notation (1..8), in the order of its mask.
inline std::span<const Element> inputFields(int format) {
    return notationOf(format)->inputFields;
}

// Field texts separated by 0x1F.
inline std::vector<std::string> splitFields(const std::string& s) {
    std::vector<std::string> parts(1);
    for (char c : s) {
        if (c == '\x1f')
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

// Enters the field, plays a text as key presses (one code point per byte, the
// Latin-1 view of the bytes) inserting what the handler admits, and leaves it.
inline void typeInto(test::FakeScreen& screen, ProgramState& state, Element field,
                     const std::string& keys) {
    onGotFocus(screen, state, field);
    std::string text = screen.text(field);
    for (unsigned char byte : keys) {
        char32_t code = onKeyPress(screen, state, field, byte);
        if (code == kBackspace) {
            if (!text.empty())
                text.pop_back();
        } else if (code >= 32 && code < 128) {
            text.push_back(static_cast<char>(code));
        }
        screen.type(field, text);
    }
    onLostFocus(screen, state, field);
}

// Fills the fields of a notation from the fuzz input: a text starting with
// 0x1E is typed as key presses, any other is set as it stands.
inline void fillFields(test::FakeScreen& screen, ProgramState& state, int format,
                       const std::string& input) {
    std::vector<std::string> texts = splitFields(input);
    const std::span<const Element> fields = inputFields(format);
    for (std::size_t i = 0; i < fields.size() && i < texts.size(); ++i) {
        if (!texts[i].empty() && texts[i][0] == '\x1e')
            typeInto(screen, state, fields[i], texts[i].substr(1));
        else
            screen.type(fields[i], texts[i]);
    }
}

} // namespace lw::fuzz
