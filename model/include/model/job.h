// The conversion job and the calculation screen's working variables.
//
// Both live as long as the program: the job is filled on the selection screen,
// the working variables are created with the first calculation screen and keep
// their values when it is closed and opened again (the UTM zone limits survive
// a return to the selection screen). A fresh program state resets both.
#pragma once

#include <cstdint>
#include <string>

namespace lw {

// Ellipsoid names as the job stores them; "" means none chosen.
inline constexpr const char* kGRS80 = "GRS80";
inline constexpr const char* kBessel = "Bessel";
inline constexpr const char* kHayford = "Hayford";

// Coordinate formats, codes as stored in FormatEIN/FormatAUS; 0 = none.
enum FormatCode : std::uint8_t {
    kKeinFormat = 0,
    kGradDezimal = 1,
    kGradMinuten = 2,
    kGradMinSek = 3,
    kUTMzivil = 4,
    kUTMmil = 5,
    kUTMref = 6,
    kGaussKrueger = 7,
    // As German survey offices write ETRS89/UTM: the zone in the easting's
    // millions, both values to the centimetre.
    kUTMamtlich = 8,
    // Output only: every notation of every ellipsoid at once, in a list in
    // place of the output mask. The job's target ellipsoid does not limit it.
    kAlleSchreibweisen = 9,
};

struct ConversionJob {
    std::string StartEllipsoid; // "GRS80", "Bessel", "Hayford" or ""
    std::string ZielEllipsoid;  // same set
    std::string EllipsoidPaar;  // "AA" .. "CC" or "": letters A GRS80, B Bessel, C Hayford
    std::string Aufgabe;        // "11" .. "88" or "": input digit, output digit
    std::uint8_t FormatAUS = 0; // 0..9
    std::uint8_t FormatEIN = 0; // 0..8
    // The user chose the official DHDN <-> ETRS89 transformation (BeTA2007
    // grid) instead of the Molodensky shift; only honoured for a Bessel <->
    // GRS80 job. Never stored: every program start begins without it.
    bool Amtlich = false;
};

// Working variables of the calculation screen.
struct Arbeitsvariablen {
    bool blnEingabeOK = false; // verdict of the last UTM or Gauss-Krueger check
    // Easting ("Rechts") and northing ("Hoch") limits in force, 7-digit texts.
    std::string strRechtsMax, strRechtsMin, strHochMax, strHochMin;
    // Result pairs: decimal degrees, "." separator, south and west negative.
    std::string strBreiteGRS80, strLaengeGRS80;
    std::string strBreiteHayford, strLaengeHayford;
    std::string strBreiteBessel, strLaengeBessel;
    // Argument slots through which every geodesy and angle procedure is called.
    std::string strArg1, strArg2, strArg3, strArg4, strArg5, strArg6, strArg7;
};

// Everything the program holds for one run.
struct ProgramState {
    ConversionJob job;
    Arbeitsvariablen calc;
};

} // namespace lw
