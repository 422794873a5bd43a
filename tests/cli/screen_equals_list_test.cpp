// Random points of every task the selection screen offers, each pasted into
// the calculation screen (the recording fake) as a user pastes it and
// calculated with "Berechnung", and the same line through the list: the
// list gives the screen's copy line, or its first message.
#include "lists/list.h"

#include "conversion/driver.h"
#include "conversion/pasted_coordinate.h"
#include "conversion/result_line.h"
#include "model/notations.h"
#include "support/fake_screen.h"
#include "text/utf8.h"
#include "validation/field_events.h"
#include "validation/field_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace lw::lists {
namespace {

using lw::test::FakeScreen;

constexpr const char* kNotations[] = {"dez", "gm", "gms", "utm", "utmmil", "utmref", "gk"};

struct Side {
    const char* name;    // as the command line says it
    const char* jobName; // as the selection screen stores it
    char pairLetter;
};
constexpr Side kEllipsoids[] = {
    {"grs80", kGRS80, 'A'}, {"bessel", kBessel, 'B'}, {"hayford", kHayford, 'C'}};

// What the calculation screen shows for a text pasted into the first field
// of the input mask and "Berechnung": its copy line, or "FEHLER: " and its
// first message on one line. A fresh screen and program for each point.
std::string onTheScreen(const Side& start, int in, const Side& target, int out,
                        const std::string& text) {
    FakeScreen screen;
    screen.decimalSeparator = ",";
    ProgramState state;
    state.job.StartEllipsoid = start.jobName;
    state.job.ZielEllipsoid = target.jobName;
    state.job.EllipsoidPaar = std::string{start.pairLetter, target.pairLetter};
    state.job.FormatEIN = static_cast<std::uint8_t>(in);
    state.job.FormatAUS = static_cast<std::uint8_t>(out);
    state.job.Aufgabe = std::to_string(in) + std::to_string(out);

    const Element first = notationOf(in)->inputFields.front();
    onGotFocus(screen, state, first);
    if (const auto pasted = recognisePastedCoordinate(in, text, start.jobName)) {
        for (Element option : pasted->options)
            screen.check(option, partnerOption(option));
        screen.AusgabeReset();
        for (const auto& [field, part] : pasted->fields) {
            std::u32string typed;
            for (char32_t c : utf8::decode(part))
                if (const char32_t kept = onKeyPress(screen, state, field, c))
                    typed += kept;
            screen.setText(field, utf8::encode(typed));
        }
    } else if (const auto typed = typeIntoField(screen, state, first, text)) {
        screen.setText(first, *typed); // as a paste no reader takes
    }
    if (screen.messages.empty())
        onLostFocus(screen, state, first);
    if (screen.messages.empty())
        comRechnenClick(screen, state);
    if (!screen.messages.empty())
        return "FEHLER: " + oneLine(screen.messages.front().text);
    std::vector<std::string> texts;
    for (Element e : outputMaskFields(out))
        texts.push_back(screen.text(e));
    const std::string line = resultLine(out, target.jobName, texts);
    // A text the screen could not take apart may leave it silent.
    if (line.empty())
        return std::string("FEHLER: Keine Koordinate in der Schreibweise ") + kNotations[in - 1] +
               " gefunden.";
    return line;
}

// ---- Random points in the input notation ----

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

struct Generator {
    std::mt19937 random{20261208};

    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    }
    bool chance(double p) { return uniform(0, 1) < p; }

    // A latitude and longitude in decimal degrees; mostly where the
    // notation's grid is, sometimes anywhere.
    std::pair<double, double> point(int notation) {
        if (notation == kGaussKrueger && !chance(0.05))
            return {uniform(46.5, 55.5), uniform(5.5, 15.5)};
        if (chance(0.3))
            return {uniform(46.5, 55.5), uniform(5.5, 15.5)};
        return {uniform(-84, 88), uniform(-180, 180)};
    }

    // A geographic text in one of the forms the paste reader takes.
    std::string geographic(int notation, double lat, double lon) {
        const char* ns = lat < 0 ? "S" : "N";
        const char* ew = lon < 0 ? "W" : (chance(0.5) ? "E" : "O");
        lat = std::abs(lat);
        lon = std::abs(lon);
        std::string a, b;
        if (notation == kGradDezimal) {
            a = fixed(lat, chance(0.5) ? 6 : 3);
            b = fixed(lon, 6);
        } else {
            const double latMin = (lat - std::floor(lat)) * 60;
            const double lonMin = (lon - std::floor(lon)) * 60;
            a = fixed(std::floor(lat), 0) + " ";
            b = fixed(std::floor(lon), 0) + " ";
            if (notation == kGradMinuten) {
                a += fixed(latMin, 6);
                b += fixed(lonMin, 4);
            } else {
                a += fixed(std::floor(latMin), 0) + " " +
                     fixed((latMin - std::floor(latMin)) * 60, 2);
                b += fixed(std::floor(lonMin), 0) + " " +
                     fixed((lonMin - std::floor(lonMin)) * 60, 1);
            }
        }
        if (chance(0.2)) // no letters: north and east
            return a + (chance(0.5) ? ", " : "\t") + b;
        if (chance(0.5))
            return std::string(ns) + a + " " + ew + b;
        return a + " " + ns + " " + b + " " + ew;
    }

    // A Gauß-Krüger copy line ("R 3571686,39 H 5540758,79 E009°") as the
    // same point in 6° strips where a 6° strip has that meridian (strip 2
    // about 9°, strip 3 about 15°: same easting, other strip number), or
    // without its meridian (3° strips then, whatever the line before chose).
    std::string stripVariant(std::string text) {
        if (chance(0.3)) {
            if (text.rfind("R 3", 0) == 0 && text.find("E009") != std::string::npos)
                text[2] = '2';
            else if (text.rfind("R 5", 0) == 0 && text.find("E015") != std::string::npos)
                text[2] = '3';
        } else if (chance(0.3)) {
            text = text.substr(2, text.find(" E0") - 2); // "3571686,39 H 5540758,79"
        }
        return text;
    }

    // One digit behind the first field changed into another digit, a letter
    // or a point, as in a carelessly typed list. The field borders stay, and
    // so does the first field, so that the list sees no identifier in front.
    std::string spoiled(std::string text) {
        const std::size_t firstBlank = text.find_first_of(" \t");
        // A spoiled datum name ("ED53") would make the line one field longer,
        // which the list reads as an identifier in front: spoil the numbers only.
        std::size_t end = text.size();
        for (const char* datum : {" ED50", " DHDN"})
            if (text.size() > 5 && text.compare(text.size() - 5, 5, datum) == 0)
                end = text.size() - 5;
        std::vector<std::size_t> digits;
        for (std::size_t i = firstBlank; i < end; ++i)
            if (text[i] >= '0' && text[i] <= '9')
                digits.push_back(i);
        if (firstBlank == std::string::npos || digits.empty())
            return text;
        const std::size_t pos =
            digits[std::uniform_int_distribution<std::size_t>(0, digits.size() - 1)(random)];
        // No hemisphere letter: "78.0547O8" is a whole coordinate (O for east).
        const char* replacements = "0123456789.XAI";
        text[pos] = replacements[std::uniform_int_distribution<int>(0, 13)(random)];
        return text;
    }
};

// Texts in the input notation of a task: geographic texts written here,
// grid texts as the list writes them from geographic points (its own copy
// lines), some of them spoiled.
std::vector<std::string> inputTexts(Generator& g, const Side& start, int in, int count) {
    std::vector<std::string> texts;
    Options makeGrid;
    makeGrid.task = {start.name, "dez", start.name, kNotations[in - 1], false, {}, {}};
    std::unique_ptr<ListConverter> grid;
    if (in > kGradMinSek)
        grid = std::make_unique<ListConverter>(makeGrid, ",");
    std::string line;
    while (static_cast<int>(texts.size()) < count) {
        const auto [lat, lon] = g.point(in);
        std::string text;
        if (grid) {
            if (!grid->convertLine(fixed(lat, 7) + " " + fixed(lon, 7), line))
                continue;
            text = line;
        } else {
            text = g.geographic(in, lat, lon);
        }
        if (in == kGaussKrueger)
            text = g.stripVariant(text);
        texts.push_back(g.chance(0.15) ? g.spoiled(text) : text);
    }
    return texts;
}

// 1500 points of each task; fewer under AddressSanitizer, which
// slows every allocation of the text procedures tenfold.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kPointsPerTask = 300;
#else
constexpr int kPointsPerTask = 1500;
#endif

TEST(ScreenEqualsList, EveryTaskGivesTheScreensTexts) {
    Generator g;
    int tasks = 0, converted = 0, refused = 0;
    for (const Side& start : kEllipsoids)
        for (int in = 1; in <= 7; ++in) {
            if (!offersNotation(start.jobName, static_cast<std::uint8_t>(in)))
                continue;
            const std::vector<std::string> texts = inputTexts(g, start, in, kPointsPerTask);
            for (const Side& target : kEllipsoids)
                for (int out = 1; out <= 7; ++out) {
                    if (!offersNotation(target.jobName, static_cast<std::uint8_t>(out)))
                        continue;
                    ++tasks;
                    Options options;
                    options.task = {
                        start.name, kNotations[in - 1], target.name, kNotations[out - 1], false, {},
                        {}};
                    ListConverter list(options, ",");
                    std::string line;
                    int mismatches = 0;
                    for (const std::string& text : texts) {
                        const bool ok = list.convertLine(text, line);
                        const std::string screen = onTheScreen(start, in, target, out, text);
                        (ok ? converted : refused)++;
                        if (line != screen && ++mismatches <= 3)
                            ADD_FAILURE()
                                << start.name << ":" << kNotations[in - 1] << " -> " << target.name
                                << ":" << kNotations[out - 1] << " \"" << text
                                << "\"\n list:   " << line << "\n screen: " << screen;
                    }
                }
        }
    EXPECT_EQ(tasks, 256); // every pair of ellipsoid and notation the selection screen offers
    // Both roads are taken often: results and refusals.
    EXPECT_GT(converted, tasks * kPointsPerTask / 2);
    EXPECT_GT(refused, tasks * kPointsPerTask / 20);
}

} // namespace
} // namespace lw::lists
