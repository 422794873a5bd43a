#include "lists/options.h"

#include <string_view>

namespace lw::lists {
namespace {

std::string joined(std::span<const std::string_view> names) {
    std::string text;
    for (std::string_view name : names) {
        if (!text.empty())
            text += ", ";
        text += name;
    }
    return text;
}

std::vector<std::string> splitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return parts;
        start = comma + 1;
    }
}

// "bessel:gk" into ellipsoid and notation.
bool splitSide(const std::string& value, std::string& ellipsoid, std::string& notation) {
    const std::size_t colon = value.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == value.size())
        return false;
    ellipsoid = value.substr(0, colon);
    notation = value.substr(colon + 1);
    return true;
}

std::optional<char> delimiterOf(const std::string& value) {
    if (value == "tab" || value == "\\t" || value == "\t")
        return '\t';
    if (value.size() == 1 && value != "\"" && value != "\n" && value != "\r")
        return value.front();
    return std::nullopt;
}

// An option the task has no use for is refused rather than silently
// ignored: the user meant something by it.
std::optional<std::string> inapplicableOption(const Options& options) {
    if (!options.task.zone.empty() && options.task.targetNotation != "utmamt")
        return "--zone gilt nur für die Ausgabe in UTM amtlich (--nach grs80:utmamt).";
    if (!options.task.strip.empty() && options.task.targetNotation != "gk")
        return "--streifen gilt nur für die Ausgabe in Gauß-Krüger (--nach bessel:gk).";
    if (options.csv && options.identifierFirst)
        return "--kennung gilt nicht mit --csv: dort stehen die Koordinaten in den Spalten von "
               "--spalten.";
    for (std::size_t i = 0; i < options.columns.size(); ++i) {
        const std::string& column = options.columns[i];
        if (column.empty())
            return "--spalten nennt eine Spalte ohne Namen.";
        for (std::size_t j = 0; j < i; ++j)
            if (options.columns[j] == column)
                return "--spalten nennt die Spalte \"" + column + "\" zweimal.";
    }
    return std::nullopt;
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    Options options;
    bool von = false, nach = false, spalten = false;
    ParsedOptions parsed;
    auto fail = [&](std::string error) {
        parsed.error = std::move(error);
        return parsed;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        bool hasValue = false;
        if (name.rfind("--", 0) == 0 && name.find('=') != std::string::npos) {
            value = name.substr(name.find('=') + 1);
            name = name.substr(0, name.find('='));
            hasValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= args.size())
                return false;
            value = args[++i];
            return true;
        };
        if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--version" && !hasValue) {
            options.version = true;
        } else if (name == "--kennung" && !hasValue) {
            options.identifierFirst = true;
        } else if (name == "--ort" && !hasValue) {
            options.place = true;
        } else if (name == "--von" || name == "--nach") {
            if (!takeValue())
                return fail(name + " braucht ELLIPSOID:SCHREIBWEISE, etwa bessel:gk.");
            TaskNames& t = options.task;
            const bool start = name == "--von";
            if (!splitSide(value, start ? t.startEllipsoid : t.targetEllipsoid,
                           start ? t.startNotation : t.targetNotation))
                return fail(name + " " + value +
                            ": erwartet ELLIPSOID:SCHREIBWEISE, etwa bessel:gk.");
            (start ? von : nach) = true;
        } else if (name == "--amtlich" && !hasValue) {
            options.task.official = true;
        } else if (name == "--csv" && !hasValue) {
            options.csv = true;
        } else if (name == "--spalten") {
            if (!takeValue() || value.empty())
                return fail(
                    "--spalten braucht die Namen der Koordinatenspalten, etwa Rechts,Hoch.");
            options.columns = splitAtCommas(value);
            spalten = true;
        } else if (name == "--trennzeichen") {
            if (!takeValue())
                return fail("--trennzeichen braucht ein Zeichen, etwa \";\" oder tab.");
            const std::optional<char> delimiter = delimiterOf(value);
            if (!delimiter)
                return fail("--trennzeichen " + value +
                            ": erwartet ein Zeichen, etwa \";\" oder tab.");
            options.delimiter = *delimiter;
        } else if (name == "--zeichensatz") {
            if (!takeValue())
                return fail("--zeichensatz braucht utf8 oder cp1252.");
            if (value == "utf8" || value == "utf-8" || value == "UTF-8")
                options.charset = Charset::Utf8;
            else if (value == "cp1252" || value == "windows-1252")
                options.charset = Charset::Cp1252;
            else
                return fail("Unbekannter Zeichensatz \"" + value + "\" (utf8, cp1252).");
        } else if (name == "--zone" || name == "--streifen") {
            const bool zone = name == "--zone";
            if (!takeValue() || value.empty() || value.size() > (zone ? 2 : 3) ||
                value.find_first_not_of("0123456789") != std::string::npos)
                return fail(zone ? "--zone braucht die Nummer der Zone (1 bis 60)."
                                 : "--streifen braucht den Bezugsmeridian in Grad (z.B. 9).");
            (zone ? options.task.zone : options.task.strip) = value;
        } else if (name.size() > 1 && name.front() == '-') {
            return fail("Unbekannte Option " + name + " (--help zeigt alle).");
        } else if (options.inputFile.empty()) {
            options.inputFile = name;
        } else {
            return fail("Nur eine Eingabedatei, nicht auch " + name + ".");
        }
    }
    if (options.help || options.version) {
        parsed.options = options;
        return parsed;
    }
    if (!von || !nach)
        return fail("--von und --nach fehlen, etwa --von bessel:gk --nach grs80:utm "
                    "(--help zeigt mehr).");
    if (options.csv != spalten)
        return fail(options.csv ? "--csv braucht --spalten mit den Koordinatenspalten."
                                : "--spalten gilt nur mit --csv.");
    if (!options.csv && options.delimiter)
        return fail("--trennzeichen gilt nur mit --csv.");
    if (auto error = inapplicableOption(options))
        return fail(*error);
    parsed.options = options;
    return parsed;
}

std::string versionText() {
    return std::string("lagewandler-liste ") + LW_VERSION + "\n";
}

std::string helpText() {
    return "Aufruf: lagewandler-liste --von ELLIPSOID:SCHREIBWEISE --nach ELLIPSOID:SCHREIBWEISE\n"
           "                         [--amtlich] [--zone NN] [--streifen M] [--kennung] [--ort]\n"
           "                         [--csv --spalten A,B] [--trennzeichen Z]\n"
           "                         [--zeichensatz utf8|cp1252] [DATEI]\n"
           "       lagewandler-liste --help | --version\n"
           "\n"
           "Rechnet eine Liste von Punkten um, einen Punkt je Zeile, genau wie der\n"
           "Berechnungsbildschirm von Lagewandler. Liest DATEI oder die Standardeingabe,\n"
           "schreibt auf die Standardausgabe.\n"
           "\n"
           "  --von, --nach    Ellipsoid und Schreibweise der Eingabe und der Ausgabe.\n"
           "                   Ellipsoide: " +
           joined(ellipsoidNames()) +
           "\n"
           "                   Schreibweisen: dez (Grad dezimal), gm (Grad/Minuten),\n"
           "                   gms (Grad/Minuten/Sekunden), utm (UTM zivil), utmmil (UTM\n"
           "                   militärisch), utmref (UTM referentiell), gk (Gauß-Krüger,\n"
           "                   nur auf bessel), utmamt (UTM amtlich, nur auf grs80); die\n"
           "                   übrigen UTM-Schreibweisen nur auf grs80 und hayford.\n"
           "  --amtlich        Amtliche Umrechnung DHDN ↔ ETRS89 (BeTA2007) statt Molodensky,\n"
           "                   nur zwischen bessel und grs80.\n"
           "  --zone NN        UTM amtlich in der Nachbarzone NN statt der eigenen Zone.\n"
           "  --streifen M     Gauß-Krüger im 3°-Nachbarstreifen des Meridians M.\n"
           "  --kennung        Der erste Wert jeder Zeile ist die Kennung des Punkts\n"
           "                   (Punktnummer), auch wenn er eine Zahl ist.\n"
           "  --ort            Hinter jeder umgerechneten Zeile, durch einen Tabulator\n"
           "                   getrennt, wo der Punkt liegt (\"Lage: 2,1 km südwestlich\n"
           "                   von Blaubeuren (Baden-Württemberg, Deutschland)\"); mit --csv\n"
           "                   als letzte Spalte Lage. Orte: GeoNames (CC BY 4.0), Umrisse:\n"
           "                   Natural Earth.\n"
           "  --csv            Eingabe mit Kopfzeile und Trennzeichen (RFC 4180: Zellen in\n"
           "                   Anführungszeichen dürfen Trennzeichen, \"\" und Zeilenumbrüche\n"
           "                   enthalten); die übrigen Spalten bleiben, wie sie sind. Hayford-\n"
           "                   und Bessel-Ergebnisse (außer Gauß-Krüger) bekommen die Spalte\n"
           "                   Datum (ED50, DHDN).\n"
           "  --spalten A,B    Die Spalten, die zusammen die Koordinate bilden, in ihrer\n"
           "                   Reihenfolge; an ihre Stelle treten die Spalten der Ausgabe.\n"
           "  --trennzeichen Z Trennzeichen der CSV-Datei (\";\", \",\", tab ...); ohne die\n"
           "                   Angabe das erste von \";\", Tabulator, \",\" in der Kopfzeile.\n"
           "  --zeichensatz    utf8 (Vorgabe) oder cp1252 (Windows-1252) für Ein- und Ausgabe.\n"
           "  -h, --help       Diese Hilfe.\n"
           "  --version        Name und Version des Programms.\n"
           "\n"
           "Jede Zeile hält einen Punkt in einer Form, die das Einfügen in die Eingabemaske\n"
           "versteht, etwa \"3571686.39 5540758.79\" oder \"N48.436333 E009.967967\"; davor\n"
           "darf eine Kennung stehen (durch Leerzeichen, Tabulator, Komma oder Semikolon\n"
           "getrennt). Ohne --kennung gilt der erste Wert nur dann als Kennung, wenn er\n"
           "nicht der erste Teil der Koordinate sein kann (\"P1\", \"1001\" vor einem\n"
           "Gauß-Krüger-Paar); kann er beides sein, wird die Zeile mit dem Hinweis auf\n"
           "--kennung abgewiesen. Abgewiesen wird auch eine Zeile mit einem fehlenden,\n"
           "leeren oder überzähligen Wert (\"3 Werte, Grad (dezimal) braucht 2.\"): Werte\n"
           "rücken nie an einen anderen Platz. Ein Link (geo:, Kartenlink) nennt eine Lage\n"
           "in WGS 84 und gilt nur mit --von grs80:dez. Anderer Text geht durch das\n"
           "Tastenfilter des ersten Feldes. Leere Zeilen und Zeilen mit # am Anfang\n"
           "bleiben, wie sie sind. Jede Eingabezeile (mit --csv: jeder Datensatz) gibt genau\n"
           "eine Ausgabezeile: die Kennung, dann die Zeile von \"Ergebnis kopieren\", oder\n"
           "\"FEHLER: \" und der Grund (dieselbe Zeile mit der Zeilennummer auf der\n"
           "Standardfehlerausgabe). Steuerzeichen erscheinen als \\xNN. Eine Datei mit\n"
           "UTF-16-Byte-Order-Mark wird als UTF-16 gelesen, eine UTF-8-Byte-Order-Mark\n"
           "übersprungen (und mit --csv in die Ausgabe übernommen).\n"
           "\n"
           "Rückgabewert: 0 alle Zeilen umgerechnet, 1 einige nicht, 2 falscher Aufruf\n"
           "oder unlesbare Datei.\n"
           "\n"
           "Beispiel: lagewandler-liste --von bessel:gk --nach grs80:utm < alt.txt > neu.txt\n";
}

} // namespace lw::lists
