// The selection screen's wiring: enabling table, colours, the task code, the
// return from the calculation screen, the help panels and the quit question.
#include "ui_test_support.h"

#include "ui/look.h"

#include <QLabel>
#include <QPushButton>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

const char* const kInputButtons[] = {"comGradDezEIN",  "comGradMinEIN", "comGradMinSekEIN",
                                     "comUTMzivilEIN", "comUTMmilEIN",  "comUTMrefEIN",
                                     "comGKEIN"};
const char* const kOutputButtons[] = {"comGradDezAUS",  "comGradMinAUS", "comGradMinSekAUS",
                                      "comUTMzivilAUS", "comUTMmilAUS",  "comUTMrefAUS",
                                      "comGKAUS"};

// "1234567" style: the codes whose buttons are enabled.
QString enabledCodes(const RunningProgram& p, const char* const (&buttons)[7]) {
    QString codes;
    for (int i = 0; i < 7; ++i)
        if (p.find(buttons[i])->isEnabled())
            codes += QString::number(i + 1);
    return codes;
}

QColor buttonColour(const RunningProgram& p, const char* name) {
    return painted(p.find(name), QPalette::Button);
}

const QColor kGreen(look::kChosenStart), kOrange(look::kChosenTarget);

} // namespace

class SelectionScreenTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithGrs80AndNoFormat();
    void elementsCarryTheirColours();
    void ellipsoidButtonsEnableTheOfferedFormats_data();
    void ellipsoidButtonsEnableTheOfferedFormats();
    void bothFormatsBuildTheTaskCode_data();
    void bothFormatsBuildTheTaskCode();
    void secondFormatPressMovesTheColour();
    void formatNoLongerOfferedIsCleared();
    void returnKeepsAllowedChoicesAndDisablesContinue();
    void continueWhileCalculationOpenDoesNotRebuild();
    void guidePanelHidesAndRestoresTheSelection();
    void hintPanelHidesItsOwnLabel();
    void quitQuestionNoChangesNothing();
    void quitQuestionYesQuits();
    void closeBoxQuits();
    void enterPressesTheFocusedButton();
    void tabOrderRunsDownTheColumns();
};

void SelectionScreenTest::startsWithGrs80AndNoFormat() {
    RunningProgram p;
    const ConversionJob& job = p.state.job;
    QCOMPARE(job.StartEllipsoid, std::string("GRS80"));
    QCOMPARE(job.ZielEllipsoid, std::string("GRS80"));
    QCOMPARE(job.EllipsoidPaar, std::string("AA"));
    QCOMPARE(job.Aufgabe, std::string());
    QCOMPARE(int(job.FormatEIN), 0);
    QCOMPARE(int(job.FormatAUS), 0);
    QCOMPARE(enabledCodes(p, kInputButtons), QStringLiteral("123456"));
    QCOMPARE(enabledCodes(p, kOutputButtons), QStringLiteral("123456"));
    QVERIFY(!p.find("comZahlenEingabe")->isEnabled());
    QVERIFY(!p.find("labHinweis")->isVisible());
    QVERIFY(!p.find("labSoGehts")->isVisible());
    QCOMPARE(p.program->selectionWindow()->windowTitle(),
             QStringLiteral("Lagewandler  V 7.7       01.02.2014"));
    QVERIFY(p.hasFocus("comGRSEin"));
    QVERIFY(!p.calc());
}

void SelectionScreenTest::elementsCarryTheirColours() {
    RunningProgram p;
    struct Case {
        const char* name;
        QPalette::ColorRole role;
        QColor colour;
    };
    const Case cases[] = {
        {"comGRSEin", QPalette::Button, kGreen},
        {"comBesselEIN", QPalette::Button, look::buttonFace()},
        {"comGRSAus", QPalette::Button, kOrange},
        {"comHayfordAUS", QPalette::Button, look::buttonFace()},
        {"comGradDezEIN", QPalette::Button, look::buttonFace()},
        {"comZahlenEingabe", QPalette::Button, QColor(0x80FFFF)},
        {"comBeenden", QPalette::Button, QColor(0xFF8080)},
        {"comSoGehts", QPalette::Button, QColor(0xC0C0C0)},
        {"labStartoptionen", QPalette::Window, QColor(0xFFFFC0)},
        {"labHinweis2", QPalette::Window, QColor(0xFFC0C0)},
        {"labHinweis", QPalette::Window, QColor(0xFFC0C0)},
        {"labSoGehts", QPalette::Window, QColor(0xC0C0C0)},
    };
    for (const Case& c : cases) {
        QWidget* w = p.find(c.name);
        QVERIFY2(w, c.name);
        QCOMPARE(painted(w, c.role), c.colour);
        // Disabled buttons keep their colour.
        QCOMPARE(w->palette().color(QPalette::Disabled, c.role), c.colour);
    }
}

void SelectionScreenTest::ellipsoidButtonsEnableTheOfferedFormats_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("outputs");
    QTest::newRow("start Bessel keeps the pair, disables outputs")
        << QStringList{"comBesselEIN"} << "Bessel"
        << "GRS80"
        << "AA"
        << "1237"
        << "";
    QTest::newRow("Bessel to Bessel") << QStringList{"comBesselEIN", "comBesselAUS"} << "Bessel"
                                      << "Bessel"
                                      << "BB"
                                      << "1237"
                                      << "1237";
    QTest::newRow("Hayford to GRS80") << QStringList{"comHayfordEIN", "comGRSAus"} << "Hayford"
                                      << "GRS80"
                                      << "CA"
                                      << "123456"
                                      << "123456";
    QTest::newRow("GRS80 to Bessel") << QStringList{"comBesselAUS"} << "GRS80"
                                     << "Bessel"
                                     << "AB"
                                     << "123456"
                                     << "1237";
    QTest::newRow("Bessel to Hayford") << QStringList{"comBesselEIN", "comHayfordAUS"} << "Bessel"
                                       << "Hayford"
                                       << "BC"
                                       << "1237"
                                       << "123456";
    // A start press alone never rebuilds the pair: only a target press does.
    QTest::newRow("start Hayford after Bessel to GRS80 keeps BA")
        << QStringList{"comBesselEIN", "comGRSAus", "comHayfordEIN"} << "Hayford"
        << "GRS80"
        << "BA"
        << "123456"
        << "";
    QTest::newRow("the next target press makes it CA")
        << QStringList{"comBesselEIN", "comGRSAus", "comHayfordEIN", "comGRSAus"} << "Hayford"
        << "GRS80"
        << "CA"
        << "123456"
        << "123456";
    QTest::newRow("start GRS80 presses target GRS80")
        << QStringList{"comBesselAUS", "comGRSEin"} << "GRS80"
        << "GRS80"
        << "AA"
        << "123456"
        << "123456";
}

void SelectionScreenTest::ellipsoidButtonsEnableTheOfferedFormats() {
    QFETCH(QStringList, clicks);
    RunningProgram p;
    for (const QString& name : clicks)
        p.click(name.toLatin1().constData());
    QTEST(QString::fromStdString(p.state.job.StartEllipsoid), "start");
    QTEST(QString::fromStdString(p.state.job.ZielEllipsoid), "target");
    QTEST(QString::fromStdString(p.state.job.EllipsoidPaar), "pair");
    QTEST(enabledCodes(p, kInputButtons), "inputs");
    QTEST(enabledCodes(p, kOutputButtons), "outputs");
    // The chosen target button, and only it, is coloured orange.
    QFETCH(QString, target);
    const std::pair<const char*, const char*> targets[] = {
        {"GRS80", "comGRSAus"}, {"Bessel", "comBesselAUS"}, {"Hayford", "comHayfordAUS"}};
    for (const auto& [ellipsoid, button] : targets)
        QCOMPARE(buttonColour(p, button) == kOrange, target == QLatin1String(ellipsoid));
}

void SelectionScreenTest::bothFormatsBuildTheTaskCode_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("aufgabe");
    QTest::newRow("decimal to UTM civil") << QStringList{"comGradDezEIN", "comUTMzivilAUS"} << "14";
    QTest::newRow("Gauss-Krueger to degrees/minutes/seconds on Bessel")
        << QStringList{"comBesselEIN", "comBesselAUS", "comGKEIN", "comGradMinSekAUS"} << "73";
    QTest::newRow("military to degrees/minutes")
        << QStringList{"comUTMmilEIN", "comGradMinAUS"} << "52";
}

void SelectionScreenTest::bothFormatsBuildTheTaskCode() {
    QFETCH(QStringList, clicks);
    RunningProgram p;
    for (int i = 0; i < clicks.size(); ++i) {
        // Only the last click makes both formats chosen.
        QVERIFY(!p.find("comZahlenEingabe")->isEnabled());
        p.click(clicks[i].toLatin1().constData());
    }
    QVERIFY(p.find("comZahlenEingabe")->isEnabled());
    p.click("comZahlenEingabe");
    QTEST(QString::fromStdString(p.state.job.Aufgabe), "aufgabe");
    QVERIFY(p.calc());
    QVERIFY(p.calc()->isVisible());
    QCOMPARE(p.calc()->windowModality(), Qt::WindowModal);
    QCOMPARE(p.calc()->parentWidget(), p.program->selectionWindow());
}

void SelectionScreenTest::secondFormatPressMovesTheColour() {
    RunningProgram p;
    p.click("comGradDezEIN");
    p.click("comGradMinAUS");
    p.click("comUTMrefEIN");
    QCOMPARE(int(p.state.job.FormatEIN), 6);
    QCOMPARE(buttonColour(p, "comUTMrefEIN"), kGreen);
    QCOMPARE(buttonColour(p, "comGradDezEIN"), look::buttonFace());
    QCOMPARE(int(p.state.job.FormatAUS), 2);
    QCOMPARE(buttonColour(p, "comGradMinAUS"), kOrange);
}

void SelectionScreenTest::formatNoLongerOfferedIsCleared() {
    RunningProgram p;
    p.click("comGradDezEIN");
    p.click("comUTMzivilAUS");
    QVERIFY(p.find("comZahlenEingabe")->isEnabled());
    p.click("comBesselAUS"); // Bessel has no UTM
    QCOMPARE(int(p.state.job.FormatAUS), 0);
    QCOMPARE(buttonColour(p, "comUTMzivilAUS"), look::buttonFace());
    QCOMPARE(int(p.state.job.FormatEIN), 1); // still offered: kept
    QCOMPARE(buttonColour(p, "comGradDezEIN"), kGreen);
    QVERIFY(!p.find("comZahlenEingabe")->isEnabled());

    // The return keeps the Bessel start and its Gauss-Krueger input; the
    // target comes back to GRS80, which clears the Gauss-Krueger output.
    p.click("comBesselEIN");
    p.click("comBesselAUS");
    p.click("comGKEIN");
    p.click("comGKAUS");
    p.click("comZahlenEingabe");
    QVERIFY(p.calc());
    p.click("comStartoption");
    QCOMPARE(int(p.state.job.FormatEIN), 7);
    QCOMPARE(buttonColour(p, "comGKEIN"), kGreen);
    QVERIFY(p.find("comGKEIN")->isEnabled());
    QCOMPARE(int(p.state.job.FormatAUS), 0);
    QCOMPARE(buttonColour(p, "comGKAUS"), look::buttonFace());
}

void SelectionScreenTest::returnKeepsAllowedChoicesAndDisablesContinue() {
    RunningProgram p;
    p.click("comHayfordEIN");
    p.click("comHayfordAUS");
    p.click("comGradDezEIN");
    p.click("comUTMzivilAUS");
    p.click("comZahlenEingabe");
    QVERIFY(p.calc());
    p.click("comStartoption");
    settle();
    QVERIFY(!p.calc());
    // The task's start side stays; the target is GRS80 again.
    const ConversionJob& job = p.state.job;
    QCOMPARE(job.StartEllipsoid, std::string("Hayford"));
    QCOMPARE(job.ZielEllipsoid, std::string("GRS80"));
    QCOMPARE(job.EllipsoidPaar, std::string("CA"));
    QCOMPARE(int(job.FormatEIN), 1);
    QCOMPARE(int(job.FormatAUS), 4);
    QCOMPARE(buttonColour(p, "comGradDezEIN"), kGreen);
    QCOMPARE(buttonColour(p, "comUTMzivilAUS"), kOrange);
    QVERIFY(p.find("comUTMzivilAUS")->isEnabled());
    QCOMPARE(buttonColour(p, "comHayfordEIN"), kGreen);
    QCOMPARE(buttonColour(p, "comGRSEin"), look::buttonFace());
    QCOMPARE(buttonColour(p, "comGRSAus"), kOrange);
    QVERIFY(p.find("comGRSAus")->isEnabled());
    QVERIFY(!p.find("comGKEIN")->isEnabled());
    QVERIFY(!p.find("comZahlenEingabe")->isEnabled());
    p.click("comGradMinEIN");
    QVERIFY(p.find("comZahlenEingabe")->isEnabled());
    // A new calculation screen: the previous one's names are gone with it.
    p.click("comZahlenEingabe");
    QVERIFY(p.calc());
    QCOMPARE(p.find("fraGradMin")->isVisible(), true);
}

void SelectionScreenTest::continueWhileCalculationOpenDoesNotRebuild() {
    RunningProgram p;
    p.click("comGradDezEIN");
    p.click("comGradDezAUS");
    p.click("comZahlenEingabe");
    QWidget* first = p.calc();
    QVERIFY(first);
    // The selection screen is blocked while the calculation screen is open.
    QCOMPARE(QApplication::activeModalWidget(), first);
}

void SelectionScreenTest::guidePanelHidesAndRestoresTheSelection() {
    RunningProgram p;
    p.click("comGradDezEIN");
    p.click("comGradDezAUS");
    const char* selection[] = {"fraEllipsoidEIN", "fraEllipsoidAUS",  "fraFormatEIN",
                               "fraFormatAUS",    "labStartoptionen", "labHinweis2",
                               "comBeenden",      "comZahlenEingabe", "comSoGehts"};
    for (int round = 0; round < 2; ++round) {
        p.click("comSoGehts");
        auto* guide = p.find<QLabel>("labSoGehts");
        QVERIFY(guide->isVisible());
        // The guide's scrolling panel covers the window; the text fills its width.
        QWidget* panel = guide->parentWidget()->parentWidget();
        QCOMPARE(panel->geometry(), p.program->selectionWindow()->rect());
        QCOMPARE(guide->width(), guide->parentWidget()->width());
        const QStringList lines = guide->text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 35); // 34 lines, each ending with CR LF
        QVERIFY(lines[19].contains(QStringLiteral("N37.670828  E026.884338 Das ist")));
        QCOMPARE(lines[0], QStringLiteral("             Dieses Fenster schließen Sie mit einem "
                                          "Klick darauf"));
        for (const char* name : selection)
            QVERIFY2(!p.find(name)->isVisible(), name);
        p.click("labSoGehts");
        QVERIFY(!guide->isVisible());
        for (const char* name : selection)
            QVERIFY2(p.find(name)->isVisible(), name);
        QVERIFY(p.find("comZahlenEingabe")->isEnabled());
    }
}

void SelectionScreenTest::hintPanelHidesItsOwnLabel() {
    RunningProgram p;
    p.click("labHinweis2");
    auto* hint = p.find<QLabel>("labHinweis");
    QVERIFY(hint->isVisible());
    QVERIFY(!p.find("labHinweis2")->isVisible());
    QVERIFY(!p.find("comBeenden")->isVisible());
    QCOMPARE(hint->text().count(QStringLiteral("\r\n")), 30);
    QVERIFY(hint->text().endsWith(
        QStringLiteral("  Diesen Hinweis schließen Sie, wenn Sie darauf klicken.\r\n")));
    p.click("labHinweis");
    QVERIFY(!hint->isVisible());
    QVERIFY(p.find("labHinweis2")->isVisible());
    QVERIFY(!p.find("comZahlenEingabe")->isEnabled());
}

void SelectionScreenTest::quitQuestionNoChangesNothing() {
    RunningProgram p;
    p.click("comGradDezEIN");
    p.click("comBeenden");
    QCOMPARE(p.platform.boxes.size(), std::size_t(1));
    QCOMPARE(p.platform.boxes[0].icon, MessageIcon::Question);
    QCOMPARE(p.platform.boxes[0].text, QStringLiteral("Wollen Sie Lagewandler wirklich beenden?"));
    QCOMPARE(p.platform.quits, 0);
    QCOMPARE(int(p.state.job.FormatEIN), 1);
    QCOMPARE(buttonColour(p, "comGradDezEIN"), kGreen);
    QCOMPARE(p.state.job.EllipsoidPaar, std::string("AA"));
}

void SelectionScreenTest::quitQuestionYesQuits() {
    RunningProgram p;
    p.platform.questionAnswer = Answer::Yes;
    p.click("comBeenden");
    QCOMPARE(p.platform.quits, 1);
}

void SelectionScreenTest::closeBoxQuits() {
    RunningProgram p;
    p.program->selectionWindow()->close();
    QCOMPARE(p.platform.quits, 1);
    QVERIFY(p.platform.boxes.empty());
}

void SelectionScreenTest::enterPressesTheFocusedButton() {
    RunningProgram p;
    auto* hayford = p.find("comHayfordEIN");
    hayford->setFocus(Qt::TabFocusReason);
    QTest::keyClick(hayford, Qt::Key_Return);
    QCOMPARE(p.state.job.StartEllipsoid, std::string("Hayford"));
    auto* bessel = p.find("comBesselAUS");
    bessel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(bessel, Qt::Key_Space);
    QCOMPARE(p.state.job.EllipsoidPaar, std::string("CB"));
}

void SelectionScreenTest::tabOrderRunsDownTheColumns() {
    RunningProgram p;
    p.click("comGradDezEIN");
    p.click("comGradDezAUS"); // enables "Weiter zur Zahleneingabe"
    p.find("comGRSEin")->setFocus(Qt::TabFocusReason);
    // Gauss-Krueger buttons are disabled and skipped; the first input button
    // comes after the output column.
    const char* order[] = {
        "comBesselEIN",  "comHayfordEIN", "comGradMinEIN", "comGradMinSekEIN", "comUTMzivilEIN",
        "comUTMmilEIN",  "comUTMrefEIN",  "comUTMamtEIN",  "comGRSAus",        "comBesselAUS",
        "comHayfordAUS", "comGradDezAUS", "comGradMinAUS", "comGradMinSekAUS", "comUTMzivilAUS",
        "comUTMmilAUS",  "comUTMrefAUS",  "comUTMamtAUS",  "comAlleAUS",       "comGradDezEIN",
        "comSoGehts",    "comBeenden",    "labHinweis2",   "comZahlenEingabe", "comGRSEin"};
    for (const char* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(p.hasFocus(next), next);
    }
}

QTEST_MAIN(SelectionScreenTest)
#include "selection_screen_test.moc"
