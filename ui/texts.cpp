#include "ui/texts.h"

#include "model/notations.h"

#include <QRegularExpression>

#include <array>
#include <initializer_list>

namespace lw::ui::texts {
namespace {

constexpr int kFormatCount = static_cast<int>(kNotations.size());

QString lines(std::initializer_list<const char*> list) {
    QString text;
    for (const char* line : list)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

bool isFormat(int format) {
    return format >= 1 && format <= kFormatCount;
}

QString caption(std::string_view suffix, const QString& ellipsoid) {
    return QStringLiteral("Ellipsoid  ") + ellipsoid +
           QString::fromUtf8(suffix.data(), static_cast<qsizetype>(suffix.size()));
}

} // namespace

QString guide() {
    // Line 20 gives the result the program really computes for the worked
    // example (35S MB 86.99.83 on GRS80 to decimal degrees): N37.670828.
    // Digits left out are taken as 0, which gives the south-west corner of
    // the square (lines 19 and 20).
    return lines({
        "             Dieses Fenster schließen Sie mit einem Klick darauf",
        "",
        "Nach erfolgreichem Start erscheint ein Bildschirm zur Formulierung der anstehenden "
        "Rechenarbeit.",
        "Der Bildschirm ist in zwei Hälften eingeteilt:",
        "Im linken Teil (grün) formuliert man die Ausgangssituation, während man im rechten Teil "
        "(orange) die Ergebnisse bestellen kann.",
        "Jeder Teil ist dann für sich wieder senkrecht unterteilt in Ellipsoid und Format. Die "
        "häufigste Anwendung verläuft im Ellipsoid GRS80 (WGS84). Deshalb sind die beiden "
        "Ellipsoide schon 'vorbestellt'. Sie können aber durch Anklicken der jeweiligen Aufgabe "
        "angepasst werden.Beim Eingabeformat sind nicht alle 7 Schaltflächen aktiviert, weil es "
        "z.B. bei GRS80 und HAYFORD keine Gauß - Krüger Koordinaten gibt. Die gibt es nur auf dem "
        "Ellipsoid von BESSEL. Dafür gibt es dort kein UTM. Entsprechendes gilt für das "
        "Ausgabeformat.",
        "",
        "Im folgenden Beispiel soll die (unvollkommene) militärische UTM-Angabe 35S MB 86.99.83 "
        "in dezimale Koordinaten umgerechnet werden:",
        "         Start-Ellipsoid   GRS80 (WGS84)            Ziel-Ellipsoid  GRS80",
        "         Eingabeformat     UTM mil                  Ausgabeformat   Grad (dezimal)",
        "Wenn diese 4 Angaben aktiviert sind, wird die hellblaue Schaltfläche [Weiter zur "
        "Zahleneingabe] frei gegeben, damit man sie anklicken kann.",
        "",
        "Nun öffnet sich ein Bildschirm zur Zahleneingabe und hält die Masken für die Eingabe im "
        "oberen Teil und die Ausgabe in unteren Teil bereit. (Je nach Aufgabenstellung erscheinen "
        "hier unterschiedliche Masken.)",
        "Grundsätzlich gilt: Von einem Feld zum nächsten springt man mit der Taste TAB oder mit "
        "ENTER oder auch mit einem Mausklick.",
        "Zunächst wird die Zone eingegeben: 35S (das S kann auch klein geschrieben werden. Es wird "
        "vom Programm automatisch in ein großes S umgewandelt).",
        "Die beiden Buchstaben für das 100km-Quadrat können ebenfalls groß oder klein geschrieben "
        "werden.",
        "In die folgenden 5 Quadrate gibt man die Zweiergruppen ein (wenn man sie alle kennt).",
        "Die Dezimalpunkte werden nicht eingegeben. Sie dienen nur zur besseren Lesbarkeit.",
        "In unserem Beispiel fehlen die Werte für die beiden letzten Quadrate. Das Programm nimmt "
        "dann von selbst Nullen an. Doch Vorsicht mit dem Ergebnis: Die berechneten Koordinaten "
        "beziehen sich dann auf die südwestlichste Ecke des 100m-Quadrates. ",
        "Sobald die Eingabe fertig ist, geht man weiter zur grauen Schaltfläche [Berechnung] (TAB "
        "oder Enter oder Maus). Wenn man keine falschen oder unzulässigen Eingaben gemacht hat, "
        "erscheint sofort die Umrechnung in N37.670828  E026.884338 Das ist aber, wohl gemerkt, "
        "die Südwestecke des 100m-Quadrates, weil die Angaben für die letzten beiden Quadrate "
        "nicht bekannt waren.",
        "Bei falscher Eingabe erfolgt keine Berechnung, sondern ein Hinweis auf den Fehler.",
        "Für eine Wiederholung mit anderen Ausgangsdaten braucht man nicht den ganzen Ablauf zu "
        "wiederholen.",
        "Man überschreibt einfach die unterschiedlichen Werte und klickt anschließend auf "
        "[Berechnung].",
        "Will man dagegen eine neue Aufgabe formulieren, dann klickt man auf [Neue Startoption "
        "wählen].",
        "",
        "UTM amtlich ist die Schreibweise, in der die deutschen Vermessungsverwaltungen ihre "
        "ETRS89-Koordinaten abgeben: die Zone steht vor dem Rechtswert (32399340.60 = Zone 32, "
        "Rechtswert 399340.60), beide Werte auf den Zentimeter.",
        "Im Feld 'Zone wählen' neben der Ausgabe verlangt man die Nachbarzone, etwa Zone 32 für "
        "einen Punkt östlich von 12° in Bayern; ebenso bei Gauß-Krüger im Feld 'Meridian wählen' "
        "den Nachbarstreifen. Bleibt das Feld leer, gilt die eigene Zone des Punktes.",
        "",
        "Mit [Alle Schreibweisen] unter den Ausgabeformaten zeigt [Berechnung] den Punkt in jeder "
        "Schreibweise jedes Ellipsoids auf einmal. Ein Klick auf eine Zeile (oder Enter) kopiert "
        "sie, [Ergebnis kopieren] die ganze Liste.",
        "Eine eingefügte Koordinate einer anderen Schreibweise erkennt Lagewandler und fragt, ob "
        "das Eingabeformat umgestellt werden soll. Links von Karten (geo:, OpenStreetMap, Google, "
        "Apple, Bing) nennen den Punkt ihrer Stecknadel in WGS 84; in einer Maske auf Bessel oder "
        "Hayford fragt Lagewandler, ob das Startellipsoid auf GRS80 umgestellt werden soll.",
        "Mehrere Zeilen mit Punkten (aus einer E-Mail oder einer Tabelle) fügt man in das erste "
        "Feld der Eingabe ein: auf die Frage 'Als Punktliste umrechnen?' rechnet Lagewandler jede "
        "Zeile um und zeigt statt der Ausgabe die Liste, je Zeile Kennung, Eingabe und Ergebnis "
        "oder, grau, den Grund. Die Pfeiltasten gehen durch die Zeilen, F8 springt zur nächsten "
        "Zeile mit Fehler, Strg+C kopiert die gewählten Zeilen, Esc bricht eine lange Umrechnung "
        "ab; [Liste kopieren] und [Liste speichern …] nehmen die ganze Liste mit, wie "
        "lagewandler-liste sie schreibt.",
        "",
        "Unter jedem Ergebnis sagt die Zeile 'Lage', wo der Punkt liegt, etwa 'Lage: 2,1 km "
        "südwestlich von Blaubeuren (Baden-Württemberg, Deutschland)': der nächste Ort mit "
        "mindestens 1000 Einwohnern, unter 500 m 'in Blaubeuren', weiter als 50 km von jedem Ort "
        "die nächste Großstadt und das Land oder 'auf See'. So fallen vertauschte Breite und "
        "Länge, eine falsche Zone oder ein falsches Datum auf.",
        "Die Orte stammen von GeoNames (enthält Daten von GeoNames, geonames.org, Lizenz CC BY "
        "4.0), die Umrisse der Staaten und der deutschen Länder von Natural Earth "
        "(naturalearthdata.com, gemeinfrei).",
    });
}

QString quitQuestion() {
    return QStringLiteral("Wollen Sie Lagewandler wirklich beenden?");
}

QString hint() {
    return lines({
        "",
        "  Ellipsoide",
        "  Die 'Erdkugel' ist keine mathematische Kugel, also kein Kreis, der um seinen "
        "Durchmesser",
        "  rotiert. Sie ist eher eine Ellipse, die um ihre große Achse rotiert.",
        "  Je nach Verwendungszweck sind verschiedene Ellipsoide im Gebrauch.",
        "",
        "  Im Vermesungswesen Deutschlands wird das Ellipsoid von BESSEL verwendet, weil es der",
        "  gekrümmten Fläche des Landes am nächsten kommt. Die Koordinaten von Gauß-Krüger",
        "  verwenden dieses Ellipsoid und sind auf den Millimeter genau.",
        "",
        "  UTM",
        "  wird vom Militär und von zivilen Rettungsdiensten verwendet und bezeichnet immer eine",
        "  viereckige Fläche. UTM reicht von 80° S bis 84° N. Darüber hinaus kommen die",
        "  kreisförmigen Segmente von UPS. Die kleinste UTM-Fläche ist 1m x 1m groß. Das ist im",
        "  Verhältnis zur Erdoberfläche 'punktförmig'.",
        "  Das ältere UTM-System verwendet das Ellipsoid  von HAYFORD.",
        "  Das aktuelle World Geodetic System WGS84 basiert auf dem Ellipsoid GRS80.",
        "  Es kennt ebenfalls punktförmige Koordinaten, die jeweils die nordwestlichte Ecke des",
        "  betreffenden Vierecks angeben.",
        "",
        "  Formate",
        "  Es sind vielfältige Zahlenformate im Gebrauch. Sie stellen die häufigsten "
        "Fehlerquellen",
        "  bei Umrechungen dar.",
        "",
        "  Das einfachste und sicherste Format ist die Angabe von Breite / Länge:",
        "       N48,123456° / E009,654321°",
        "  oder N48 Grad 26,17996 Minuten / E009 Grad  58,078035 Minuten   (auch Mercator "
        "genannt)",
        "  oder N48 Grad 26 Minuten  10,80 Sekunden / E009 Grad  58 Minuten  4,68 Sekunden",
        "",
        "  Diesen Hinweis schließen Sie, wenn Sie darauf klicken.",
    });
}

QString inputHint(int format) {
    switch (format) {
    case 1:
        return lines({"Eingabe:", "", "Verwenden Sie für Breite und Länge",
                      "Dezimalzahlen, zB: 42.123456", "",
                      "Die nördliche Breite muss kleiner sein als 84 Grad.",
                      "Die südliche Breite darf nicht größer sein als 80 Grad.", "",
                      "Die Länge darf 180 Grad nicht überschreiten.", ""});
    case 2:
        return lines({"Eingabe:", "", "Grad ganzzahlig ( z.B. 47 )",
                      "Minuten ganzzahlig oder dezimal (max. 59.999999)", "",
                      "Die nördl. Gesamtbreite muss kleiner sein als 84 Grad.",
                      "Die südl. Gesamtbreite darf nicht größer sein als 80 Grad.", "",
                      "Die Gesamtlänge darf 180 Grad nicht überschreiten.", ""});
    case 3:
        return lines({"Eingabe:", "", "Grad ganzzahlig (z.B. 47 )",
                      "Minuten ganzzahlig ( maximal 59 )",
                      "Sekunden ganzzahlig oder dezimal (max. 59.999999)", "",
                      "Die nördl. Gesamtbreite muss kleiner sein als 84 Grad.",
                      "Die südl. Gesamtbreite darf nicht größer sein als 80 Grad.", "",
                      "Die Gesamtlänge darf 180 Grad nicht überschreiten."});
    case 4:
        return lines({"Eingabe:", "", "Zone: 2 Ziffern und 1 Buchstabe", "        Beispiel:  32U",
                      "", "Rechts: genau 7 Ziffern", "        Beispiel:  0123456", "",
                      "Hoch: genau 7 Ziffern", "        Beispiel:  1234567", "", "", ""});
    case 5:
        return lines({"Eingabe:", "", "Zone: 2 Ziffern und 1 Buchstabe", "        Beispiel:  32U",
                      "", "100km: 2 Buchstaben", "        Beispiel:  NU", "",
                      "10km - 1m: je 2 Ziffern", "        Beispiel:  76  15  68  10  86 ", "", "",
                      ""});
    case 6:
        return lines({"Eingabe:", "", "Zone: 2 Ziffern und 1 Buchstabe", "        Beispiel:  32U",
                      "100km: 2 Buchstaben", "        Beispiel:  NU",
                      "Zifferngruppe: gerade Ziffernzahl", "        Beispiel:  12",
                      "              oder:  1234", "              oder:  123456",
                      "              oder:  12345678", "              oder:  1234567890", ""});
    case 7:
        return lines({"Eingabe:", "", "Bei 'Rechts' und 'Hoch'",
                      "sind die Extremwerte zu beachten.", "", "Dezimale Eingabe möglich.", "",
                      "Der Bezugsmeridian wird", "in Abhängigkeit von der",
                      "Streifenbreite errechnet", "und kann nicht vorgegeben werden.", "", ""});
    case 8:
        return lines({"Eingabe:", "", "UTM amtlich, wie die Vermessungs-",
                      "verwaltungen es schreiben (ETRS89).", "", "Ostwert: Zone und Rechtswert,",
                      "        Beispiel:  32399340.60",
                      "Nordwert:", "        Beispiel:  5928794.18", "",
                      "Nur Nordhalbkugel. Komma oder Punkt.", "", ""});
    default:
        return QString();
    }
}

QString inputCaption(int format, const QString& ellipsoid) {
    return isFormat(format) ? caption(notationOf(format)->names.inputCaption, ellipsoid)
                            : QString();
}

QString outputCaption(int format, const QString& ellipsoid) {
    return isFormat(format) ? caption(notationOf(format)->names.outputCaption, ellipsoid)
                            : QString();
}

QString maskAccessibleName(bool input, const QString& caption) {
    QString readable = caption;
    readable.replace(QRegularExpression(QStringLiteral("\\.{2,}")), QStringLiteral(", "));
    readable.replace(QLatin1Char('|'), QLatin1Char('/'));
    readable = readable.simplified();
    if (readable.endsWith(QLatin1Char(',')))
        readable.chop(1);
    return (input ? QStringLiteral("Eingabe: ") : QStringLiteral("Ausgabe: ")) + readable;
}

} // namespace lw::ui::texts
