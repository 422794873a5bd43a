// Small helpers shared by the geodesy tests.
#pragma once

#include "support/fake_screen.h"

#include <gtest/gtest.h>

#include <string>

namespace lw::test {

inline const std::string kComputationError =
    "Unmögliche Werte haben einen Fehler verursacht.\r\nÜberprüfen Sie Ihre Eingaben!";

// Exactly one critical box with the given text.
inline void expectOneCritical(const RecordingMessages& m, const std::string& text) {
    ASSERT_EQ(m.messages.size(), 1u);
    EXPECT_EQ(m.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(m.messages[0].text, text);
}

} // namespace lw::test
