// The calculation screen's wiring: which masks a task shows and how they are
// captioned, key presses and focus changes reaching the field handlers, the
// hemisphere options, the sample point, the return and the quit label.
#include "ui_test_support.h"

#include "ui/look.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

const char* const kInputFrames[] = {"fraGrad",    "fraZIV",        "fraMIL", "fraREF",
                                    "fraGradMin", "fraGradMinSek", "fraGK"};
const char* const kOutputFrames[] = {"fraGradAUS", "fraGradMinAUS", "fraGradMinSekAUS", "fraZIVAUS",
                                     "fraMILAUS",  "fraREFAUS",     "fraGKAUS"};

QString visibleFrames(const RunningProgram& p) {
    QStringList names;
    for (auto* list : {&kInputFrames, &kOutputFrames})
        for (const char* name : *list)
            if (p.find(name)->isVisible())
                names << QString::fromLatin1(name);
    return names.join(QLatin1Char(' '));
}

QString title(const RunningProgram& p, const char* frame) {
    return p.find<QGroupBox>(frame)->title();
}

// Types one key into the focused widget as the keyboard would.
void key(QWidget* w, Qt::Key k, const QString& text = QString()) {
    QTest::sendKeyEvent(QTest::Click, w, k, text, Qt::NoModifier);
    settle();
}

void typeText(QWidget* w, const QString& text) {
    for (QChar c : text)
        key(w, Qt::Key_unknown, QString(c));
}

// Opens "decimal degrees to UTM civil" on GRS80 with the focus in texBreite.
void openDecimalToUtm(RunningProgram& p) {
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    QVERIFY(p.calc());
}

} // namespace

class CalculationScreenTest : public QObject {
    Q_OBJECT
private slots:
    void taskChoosesMasksAndCaptions_data();
    void taskChoosesMasksAndCaptions();
    void gaussKruegerInputShowsItsLimits();
    void opensWithDefaultOptionsAndFocus();
    void fieldsCarryTheirLook();
    void hemisphereOptionsClearTheOutput();
    void refusedKeyLeavesTheFieldUnchanged_data();
    void refusedKeyLeavesTheFieldUnchanged();
    void admittedKeysAreRewrittenOnTheWayIn();
    void enterMovesTheFocusAndPressesTheButton();
    void tabOrderOfTheDecimalMask();
    void zoneGuardSendsTheFocusBack();
    void refusalSelectsTheFaultyText();
    void samplePointFillsOnlyTheDecimalFields();
    void samplePointConvertsToUtm();
    void sampleButtonStaysVisibleOnSmallDisplays();
    void closeBoxReturnsToTheSelection();
    void reopenedScreenStartsEmpty();
    void quitLabelQuitsOnDoubleClickOnly();
};

void CalculationScreenTest::taskChoosesMasksAndCaptions_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QString>("inputCaption");
    QTest::addColumn<QString>("outputCaption");
    QTest::addColumn<QString>("hintStart");
    QTest::newRow("14") << QStringList{"comGradDezEIN", "comUTMzivilAUS"} << "fraGrad fraZIVAUS"
                        << "Ellipsoid  GRS80......Grad (dezimal)"
                        << "Ellipsoid  GRS80......UTM zivil"
                        << "Eingabe:\r\n\r\nVerwenden Sie für Breite und Länge\r\n";
    QTest::newRow("23 Hayford") << QStringList{"comHayfordEIN", "comHayfordAUS", "comGradMinEIN",
                                               "comGradMinSekAUS"}
                                << "fraGradMin fraGradMinSekAUS"
                                << "Ellipsoid  Hayford......Grad | Minuten (Mercator)"
                                << "Ellipsoid  Hayford......Grad / Minuten / Sekunden"
                                << "Eingabe:\r\n\r\nGrad ganzzahlig ( z.B. 47 )\r\n";
    QTest::newRow("32") << QStringList{"comGradMinSekEIN", "comGradMinAUS"}
                        << "fraGradMinSek fraGradMinAUS"
                        << "Ellipsoid  GRS80......Grad | Minuten | Sekunden"
                        << "Ellipsoid  GRS80......Grad / Minuten"
                        << "Eingabe:\r\n\r\nGrad ganzzahlig (z.B. 47 )\r\n";
    QTest::newRow("45") << QStringList{"comUTMzivilEIN", "comUTMmilAUS"} << "fraZIV fraMILAUS"
                        << "Ellipsoid  GRS80......UTM zivil "
                        << "Ellipsoid  GRS80......UTM militärisch"
                        << "Eingabe:\r\n\r\nZone: 2 Ziffern und 1 Buchstabe\r\n        Beispiel:  "
                           "32U\r\n\r\nRechts";
    QTest::newRow("56")
        << QStringList{"comUTMmilEIN", "comUTMrefAUS"} << "fraMIL fraREFAUS"
        << "Ellipsoid  GRS80......UTM militärisch "
        << "Ellipsoid  GRS80......UTM referentiell"
        << "Eingabe:\r\n\r\nZone: 2 Ziffern und 1 Buchstabe\r\n        Beispiel:  32U\r\n\r\n100km";
    QTest::newRow("61")
        << QStringList{"comUTMrefEIN", "comGradDezAUS"} << "fraREF fraGradAUS"
        << "Ellipsoid  GRS80......UTM REF "
        << "Ellipsoid  GRS80......Grad (dezimal)"
        << "Eingabe:\r\n\r\nZone: 2 Ziffern und 1 Buchstabe\r\n        Beispiel:  32U\r\n100km";
    QTest::newRow("77 Bessel") << QStringList{"comBesselEIN", "comBesselAUS", "comGKEIN",
                                              "comGKAUS"}
                               << "fraGK fraGKAUS"
                               << "Ellipsoid  Bessel......Gauß-Krüger"
                               << "Ellipsoid  Bessel......Gauß - Krüger"
                               << "Eingabe:\r\n\r\nBei 'Rechts' und 'Hoch'\r\n";
}

void CalculationScreenTest::taskChoosesMasksAndCaptions() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, frames);
    RunningProgram p;
    for (const QString& name : clicks)
        p.click(name.toLatin1().constData());
    p.click("comZahlenEingabe");
    QVERIFY(p.calc());
    QCOMPARE(p.calc()->windowTitle(),
             QStringLiteral("Beachten Sie bitte den Hinweis zur Zahleneingabe"));
    QCOMPARE(visibleFrames(p), frames);
    const QStringList shown = frames.split(QLatin1Char(' '));
    QTEST(title(p, shown[0].toLatin1().constData()), "inputCaption");
    QTEST(title(p, shown[1].toLatin1().constData()), "outputCaption");
    QFETCH(QString, hintStart);
    QVERIFY(p.find<QLabel>("labEingabe")->text().startsWith(hintStart));
    QVERIFY(p.find<QLabel>("labEingabe")->isVisible());
}

void CalculationScreenTest::gaussKruegerInputShowsItsLimits() {
    RunningProgram p;
    p.openTask("comBesselEIN", "comBesselAUS", "comGKEIN", "comGradDezAUS");
    QCOMPARE(p.find<QLabel>("labGKLimitsRechts")->text(),
             QStringLiteral("5538200  Maximum\n2484700  Minimum"));
    QCOMPARE(p.find<QLabel>("labGKLimitsHoch")->text(),
             QStringLiteral("6197355  Maximum\n5107150  Minimum"));
    QCOMPARE(p.state.calc.strRechtsMin, std::string("2484700"));
    QCOMPARE(p.state.calc.strHochMax, std::string("6197355"));
    auto* meridian = p.find<QLineEdit>("texMeridian");
    QVERIFY(!meridian->isEnabled());
    QVERIFY(meridian->isReadOnly());
    QCOMPARE(meridian->focusPolicy(), Qt::NoFocus);
}

void CalculationScreenTest::opensWithDefaultOptionsAndFocus() {
    RunningProgram p;
    openDecimalToUtm(p);
    for (const char* on :
         {"optDezN", "optDezE", "optGMN", "optGME", "optGradN", "optGradE", "optDrei"})
        QVERIFY2(p.find<QRadioButton>(on)->isChecked(), on);
    for (const char* off :
         {"optDezS", "optDezW", "optGMS", "optGMW", "optGradS", "optGradW", "optSechs"})
        QVERIFY2(!p.find<QRadioButton>(off)->isChecked(), off);
    QVERIFY(p.hasFocus("texBreite"));
    QCOMPARE(p.find<QLabel>("labBeenden")->text(),
             QStringLiteral("     Lagewandler beenden (Doppelklick)     "));
}

void CalculationScreenTest::fieldsCarryTheirLook() {
    RunningProgram p;
    openDecimalToUtm(p);
    struct Case {
        const char* name;
        QRgb base;
        bool readOnly;
    };
    const Case cases[] = {
        {"texBreite", look::kLatitude, false},
        {"texLaenge", look::kLongitude, false},
        {"texZone", look::kZone, false},
        {"tex100km", look::kSquare, false},
        {"tex10km", look::kPairs, false},
        {"texREFZiffern", look::kSquare, false},
        {"texBreiteAUS", look::kLatitude, true},
        {"texLSekundeAUS", look::kLongitude, true},
        {"texZone2", look::kZone, true},
        {"texMilUTM", look::kSquare, true},
        {"texREFAUS", look::kSquare, true},
        {"texGKRechtsAUS", look::kLongitude, true},
        {"texMeridianAUS", look::kLongitude, true},
    };
    for (const Case& c : cases) {
        auto* field = p.find<QLineEdit>(c.name);
        QVERIFY2(field, c.name);
        QCOMPARE(painted(field, QPalette::Base), QColor(c.base));
        QCOMPARE(field->isReadOnly(), c.readOnly);
        QVERIFY2(!field->accessibleName().isEmpty(), c.name);
    }
    QCOMPARE(painted(p.find("comRechnen"), QPalette::Button), QColor(look::kGrey));
    QCOMPARE(painted(p.find("labBeenden"), QPalette::Window), QColor(look::kQuit));
    QCOMPARE(painted(p.find("labEingabe"), QPalette::Window), QColor(look::kInputHint));
    QCOMPARE(painted(p.find("optDrei"), QPalette::Window), QColor(look::kGrey));
    QCOMPARE(p.find("texBreiteAUS")->focusPolicy(), Qt::ClickFocus);
}

void CalculationScreenTest::hemisphereOptionsClearTheOutput() {
    RunningProgram p;
    openDecimalToUtm(p);
    const char* outputs[] = {"texRechts2", "texBreiteAUS", "texMilUTM", "texGKHochAUS"};
    for (const char* option : {"optDezS", "optDezW", "optGMS", "optGradW", "optDrei"}) {
        for (const char* out : outputs)
            p.find<QLineEdit>(out)->setText(QStringLiteral("1"));
        auto* button = p.find<QRadioButton>(option);
        button->click();
        settle();
        QVERIFY2(button->isChecked(), option);
        const bool strip = QLatin1String(option) == QLatin1String("optDrei");
        for (const char* out : outputs)
            QCOMPARE(p.text(out).isEmpty(), !strip);
    }
    // Each pair acts on its own.
    QVERIFY(p.find<QRadioButton>("optDezS")->isChecked());
    QVERIFY(p.find<QRadioButton>("optDezW")->isChecked());
}

void CalculationScreenTest::refusedKeyLeavesTheFieldUnchanged_data() {
    QTest::addColumn<QString>("inputButton");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("message");
    QTest::newRow("letter in degrees")
        << "comGradMinSekEIN"
        << "texBGrad"
        << "a"
        << "Die Eingabe von\r\na\r\nist für die Breite nicht zulässig!";
    QTest::newRow("blank in decimal latitude")
        << "comGradDezEIN"
        << "texBreite"
        << " "
        << "Die Eingabe von\r\n \r\nist für die Breite nicht zulässig!";
    QTest::newRow("umlaut in the zone, upper-cased")
        << "comUTMrefEIN"
        << "texREFZone"
        << "ä"
        << "Die Eingabe von\r\nÄ\r\nist für die Zone nicht zulässig!";
    QTest::newRow("minus in Gauss-Krueger easting")
        << "comGKEIN"
        << "texGKRechts"
        << "-"
        << "Die Eingabe von\r\n-\r\nist für den Rechtswert nicht zulässig!";
}

void CalculationScreenTest::refusedKeyLeavesTheFieldUnchanged() {
    QFETCH(QString, inputButton);
    QFETCH(QString, field);
    QFETCH(QString, refused);
    RunningProgram p;
    const bool gk = inputButton == QLatin1String("comGKEIN");
    p.openTask(gk ? "comBesselEIN" : "comGRSEin", gk ? "comBesselAUS" : "comGRSAus",
               inputButton.toLatin1().constData(), "comGradDezAUS");
    auto* edit = p.find<QLineEdit>(field.toLatin1().constData());
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    typeText(edit, QStringLiteral("4"));
    p.find<QLineEdit>("texBreiteAUS")->setText(QStringLiteral("N48.000000"));
    p.platform.boxes.clear();
    typeText(edit, refused);
    QCOMPARE(edit->text(), QStringLiteral("4"));
    QCOMPARE(p.platform.boxes.size(), std::size_t(1));
    QCOMPARE(p.platform.boxes[0].icon, MessageIcon::Critical);
    QTEST(p.platform.boxes[0].text, "message");
    QCOMPARE(p.platform.sounds, std::vector<std::string>{"SystemHand"});
    QVERIFY(p.text("texBreiteAUS").isEmpty());
    // Keys that type nothing reach no handler; Backspace edits.
    key(edit, Qt::Key_Escape, QStringLiteral("\x1b"));
    key(edit, Qt::Key_Delete, QStringLiteral("\x7f"));
    QCOMPARE(p.platform.boxes.size(), std::size_t(1));
    key(edit, Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(edit->text(), QString());
}

void CalculationScreenTest::admittedKeysAreRewrittenOnTheWayIn() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comUTMzivilEIN", "comGradDezAUS");
    auto* zone = p.find<QLineEdit>("texZone");
    zone->setFocus(Qt::TabFocusReason);
    typeText(zone, QStringLiteral("32u"));
    QCOMPARE(zone->text(), QStringLiteral("32U"));
    QVERIFY(p.platform.boxes.empty());

    RunningProgram q;
    openDecimalToUtm(q);
    auto* lat = q.find<QLineEdit>("texBreite");
    lat->setFocus(Qt::TabFocusReason);
    typeText(lat, QStringLiteral("48,5"));
    QCOMPARE(lat->text(), QStringLiteral("48.5"));
    // A pasted comma is mended when the field is left.
    auto* lon = q.find<QLineEdit>("texLaenge");
    lon->setFocus(Qt::TabFocusReason);
    lon->setText(QStringLiteral("9,25"));
    lat->setFocus(Qt::TabFocusReason);
    settle();
    QCOMPARE(lon->text(), QStringLiteral("9.25"));
}

void CalculationScreenTest::enterMovesTheFocusAndPressesTheButton() {
    RunningProgram p;
    openDecimalToUtm(p);
    auto* lat = p.find<QLineEdit>("texBreite");
    lat->setFocus(Qt::TabFocusReason);
    typeText(lat, QStringLiteral("48.4363326641023"));
    key(lat, Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(p.hasFocus("texLaenge"));
    QCOMPARE(lat->text(), QStringLiteral("48.4363326641023")); // Enter inserts nothing
    QWidget* lon = p.find("texLaenge");
    typeText(lon, QStringLiteral("9.96796724981198"));
    key(lon, Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(p.hasFocus("comRechnen"));
    key(p.find("comRechnen"), Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(p.text("texZone2"), QStringLiteral("32U"));
    QVERIFY(p.platform.boxes.empty());
}

void CalculationScreenTest::tabOrderOfTheDecimalMask() {
    RunningProgram p;
    openDecimalToUtm(p);
    const char* order[] = {"texLaenge",          "optDezE",       "optDezN", "comRechnen",
                           "comKrummboegleGrad", "comStartoption"};
    for (const char* next : order) {
        key(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(p.hasFocus(next), next);
    }
    // Only the selected option of a pair takes the focus by Tab.
    p.find<QRadioButton>("optDezS")->click();
    QCOMPARE(p.find("optDezS")->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(p.find("optDezN")->focusPolicy(), Qt::ClickFocus);
}

// The refused field gets the focus while the box still holds the activation;
// the field's own handler does not run when the activation returns, so its
// text used to stay unselected and the next key was added to it.
void CalculationScreenTest::refusalSelectsTheFaultyText() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comUTMzivilEIN", "comGradDezAUS");
    auto* zone = p.find<QLineEdit>("texZone");
    zone->setText(QStringLiteral("61U"));
    QWidget box;
    box.show();
    p.platform.takesActivation = &box;
    p.click("comRechnen");
    QCOMPARE(p.platform.boxes.size(), std::size_t(1));
    QCOMPARE(p.platform.boxes[0].text, QStringLiteral("Es gibt keine Zone 61!"));
    QApplication::setActiveWindow(p.calc()); // the box has closed
    settle();
    QVERIFY(p.hasFocus("texZone"));
    QCOMPARE(zone->selectedText(), QStringLiteral("61U"));
    key(zone, Qt::Key_3, QStringLiteral("3"));
    QCOMPARE(zone->text(), QStringLiteral("3"));
}

void CalculationScreenTest::zoneGuardSendsTheFocusBack() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comUTMzivilEIN", "comGradDezAUS");
    QVERIFY(p.hasFocus("texZone"));
    key(p.find("texZone"), Qt::Key_Tab);
    QCOMPARE(p.platform.boxes.size(), std::size_t(1));
    QVERIFY(p.platform.boxes[0].text.startsWith(QStringLiteral("Sie müssen zuerst die Zone")));
    QVERIFY(p.hasFocus("texZone"));
}

void CalculationScreenTest::samplePointFillsOnlyTheDecimalFields() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradMinEIN", "comGradDezAUS");
    auto* minutes = p.find<QLineEdit>("texBreiteMinute");
    minutes->setFocus(Qt::TabFocusReason);
    p.find<QLineEdit>("texBreiteAUS")->setText(QStringLiteral("N01.000000"));
    for (int i = 0; i < 2; ++i)
        p.find<QPushButton>("comKrummboegleGrad")->click();
    QCOMPARE(p.text("texBreite"), QStringLiteral("48.4363326641023"));
    QCOMPARE(p.text("texLaenge"), QStringLiteral("9.96796724981198"));
    QCOMPARE(p.text("texBreiteAUS"), QStringLiteral("N01.000000"));
    QVERIFY(p.hasFocus("texBreiteMinute"));
}

void CalculationScreenTest::samplePointConvertsToUtm() {
    RunningProgram p;
    openDecimalToUtm(p);
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    QCOMPARE(p.text("texZone2"), QStringLiteral("32U"));
    QCOMPARE(p.text("texRechts2"), QStringLiteral("0571595"));
    QCOMPARE(p.text("texHoch2"), QStringLiteral("5365251"));
}

void CalculationScreenTest::sampleButtonStaysVisibleOnSmallDisplays() {
    RunningProgram p;
    openDecimalToUtm(p);
    QWidget* screen = p.calc();
    QWidget* sample = p.find("comKrummboegleGrad");
    const int quitBottom = p.find("labBeenden")->geometry().bottom();
    screen->showNormal();
    for (int height : {690, 700, 760, 800, 1000}) {
        screen->resize(1024, height);
        settle();
        QVERIFY2(sample->geometry().bottom() < screen->height(),
                 qPrintable(QString::number(height)));
        QVERIFY(sample->geometry().top() > quitBottom);
        QVERIFY(sample->geometry().top() <= look::px(11040));
    }
    QCOMPARE(sample->geometry().top(), look::px(11040)); // tall enough: where it belongs
}

void CalculationScreenTest::closeBoxReturnsToTheSelection() {
    RunningProgram p;
    openDecimalToUtm(p);
    p.calc()->close();
    settle();
    QVERIFY(!p.calc());
    QVERIFY(!p.find("comZahlenEingabe")->isEnabled());
    QCOMPARE(p.state.job.EllipsoidPaar, std::string("AA"));
    QCOMPARE(p.platform.quits, 0);
}

void CalculationScreenTest::reopenedScreenStartsEmpty() {
    RunningProgram p;
    openDecimalToUtm(p);
    p.find<QLineEdit>("texBreite")->setText(QStringLiteral("12"));
    p.find<QRadioButton>("optDezS")->click();
    p.click("comStartoption");
    p.click("comGradDezEIN");
    p.click("comZahlenEingabe");
    QVERIFY(p.calc());
    QCOMPARE(p.text("texBreite"), QString());
    QVERIFY(p.find<QRadioButton>("optDezN")->isChecked());
}

void CalculationScreenTest::quitLabelQuitsOnDoubleClickOnly() {
    RunningProgram p;
    openDecimalToUtm(p);
    QWidget* label = p.find("labBeenden");
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(p.platform.quits, 0);
    QTest::mouseDClick(label, Qt::LeftButton);
    QCOMPARE(p.platform.quits, 1);
    QVERIFY(p.platform.boxes.empty());
}

QTEST_MAIN(CalculationScreenTest)
#include "calculation_screen_test.moc"
