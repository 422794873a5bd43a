// The official DHDN <-> ETRS89 transformation on the screens: the check box
// chkAmtlich on the selection screen (when it is offered, that it starts off
// and PROJ is not loaded at start-up, where it sits), the job flag reaching
// the calculation, and the accuracy line labGenauigkeit.
#include "ui_test_support.h"

#include "conversion/official_datum.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <dlfcn.h>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

// Whether the module (and with it PROJ) is in the process.
bool moduleLoaded() {
    void* handle = dlopen(LW_TEST_OFFICIAL_MODULE, RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

QCheckBox* box(const RunningProgram& p) {
    return p.find<QCheckBox>("chkAmtlich");
}

void setText(RunningProgram& p, const char* field, const char* text) {
    p.find<QLineEdit>(field)->setText(QString::fromLatin1(text));
}

} // namespace

class OfficialChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void startsUncheckedWithoutLoadingProj();
    void offeredOnlyForBesselAndGrs80_data();
    void offeredOnlyForBesselAndGrs80();
    void changingThePairUnchecksTheBox();
    void checkedBoxTakesTheOfficialStep();
    void returnUnchecksTheBox();
    void boxFitsTheGapBelowTheEllipsoidFrames();
    void accuracyLineFitsBelowTheOutputMask();
    void hemisphereOptionEmptiesTheAccuracyLine();

private:
    // The module of the build tree in place of the program's, loaded by the
    // first question as in the program.
    OfficialDatumModule module_{{LW_TEST_OFFICIAL_MODULE}};
    ScopedOfficialDatum use_{module_};
};

// Must run first: nothing before it may have asked for the grid.
void OfficialChoiceTest::startsUncheckedWithoutLoadingProj() {
    RunningProgram p;
    QVERIFY(box(p));
    QVERIFY(!box(p)->isChecked());
    QVERIFY(!box(p)->isEnabled());
    QVERIFY(!p.state.job.Amtlich);
    QVERIFY2(!moduleLoaded(), "start-up loaded the official-datum module");
    p.click("comHayfordEIN");
    p.click("comBesselAUS");
    QVERIFY2(!moduleLoaded(), "a pair without DHDN and ETRS89 loaded the module");
    p.click("comBesselEIN");
    p.click("comGRSAus");
    QVERIFY(moduleLoaded());
    QVERIFY(box(p)->isEnabled());
    QVERIFY(box(p)->toolTip().isEmpty());
}

void OfficialChoiceTest::offeredOnlyForBesselAndGrs80_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Bessel->GRS80") << "comBesselEIN"
                                   << "comGRSAus" << true;
    QTest::newRow("GRS80->Bessel") << "comGRSEin"
                                   << "comBesselAUS" << true;
    QTest::newRow("GRS80->GRS80") << "comGRSEin"
                                  << "comGRSAus" << false;
    QTest::newRow("Bessel->Bessel") << "comBesselEIN"
                                    << "comBesselAUS" << false;
    QTest::newRow("Bessel->Hayford") << "comBesselEIN"
                                     << "comHayfordAUS" << false;
    QTest::newRow("Hayford->GRS80") << "comHayfordEIN"
                                    << "comGRSAus" << false;
    QTest::newRow("Hayford->Bessel") << "comHayfordEIN"
                                     << "comBesselAUS" << false;
    QTest::newRow("GRS80->Hayford") << "comGRSEin"
                                    << "comHayfordAUS" << false;
}

void OfficialChoiceTest::offeredOnlyForBesselAndGrs80() {
    QFETCH(QString, start);
    QFETCH(QString, target);
    QFETCH(bool, enabled);
    RunningProgram p;
    p.click(start.toLatin1().constData());
    p.click(target.toLatin1().constData());
    QCOMPARE(box(p)->isEnabled(), enabled);
    QVERIFY(!box(p)->isChecked());
}

void OfficialChoiceTest::changingThePairUnchecksTheBox() {
    RunningProgram p;
    p.click("comBesselEIN");
    p.click("comGRSAus");
    p.click("chkAmtlich");
    QVERIFY(box(p)->isChecked());
    QVERIFY(p.state.job.Amtlich);
    // Start Hayford alone already makes the job Hayford -> GRS80.
    p.click("comHayfordEIN");
    QVERIFY(!box(p)->isChecked());
    QVERIFY(!box(p)->isEnabled());
    QVERIFY(!p.state.job.Amtlich);
}

// BKG point DHDN 53.5 N, 7.483333333333 E is ETRS89 53.498461143331 N,
// 7.482506019176 E.
void OfficialChoiceTest::checkedBoxTakesTheOfficialStep() {
    RunningProgram p;
    p.click("comBesselEIN");
    p.click("comGRSAus");
    p.click("chkAmtlich");
    p.openTask("comBesselEIN", "comGRSAus", "comGradDezEIN", "comGradDezAUS");
    QVERIFY(p.calc());
    // The start button again: the pair stays, so does the choice.
    QVERIFY(p.state.job.Amtlich);
    setText(p, "texBreite", "53.5");
    setText(p, "texLaenge", "7.483333333333");
    p.click("comRechnen");
    QCOMPARE(p.text("texBreiteAUS"), QStringLiteral("N53.498461"));
    QCOMPARE(p.text("texLaengeAUS"), QStringLiteral("E007.482506"));
    QCOMPARE(p.find<QLabel>("labGenauigkeit")->text(),
             QStringLiteral("Datumsübergang amtlich (BeTA2007)"));
    QVERIFY(p.platform.boxes.empty());
}

void OfficialChoiceTest::returnUnchecksTheBox() {
    RunningProgram p;
    p.click("comBesselEIN");
    p.click("comGRSAus");
    p.click("chkAmtlich");
    p.openTask("comBesselEIN", "comGRSAus", "comGradDezEIN", "comGradDezAUS");
    p.click("comStartoption");
    QVERIFY(!p.calc());
    // The Bessel start stays and the target is GRS80: the box is back.
    QVERIFY(box(p)->isChecked());
    QVERIFY(box(p)->isEnabled());
    QVERIFY(p.state.job.Amtlich);
    p.click("comGRSEin");
    QVERIFY(!box(p)->isChecked());
    QVERIFY(!box(p)->isEnabled());
    QVERIFY(!p.state.job.Amtlich);
}

// On a 1024 x 768 display the box covers nothing and shows its caption whole.
void OfficialChoiceTest::boxFitsTheGapBelowTheEllipsoidFrames() {
    RunningProgram p;
    QWidget* screen = p.program->selectionWindow();
    screen->showNormal();
    screen->resize(1024, 768);
    settle();
    const QRect r = box(p)->geometry();
    QVERIFY(QRect(0, 0, 1024, 768).contains(r));
    QVERIFY2(box(p)->sizeHint().width() <= r.width(), "caption cut off");
    for (QWidget* other : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == box(p) || !other->isVisible())
            continue;
        QVERIFY2(!other->geometry().intersects(r), qPrintable(other->objectName()));
    }
    QVERIFY(r.top() >= p.find("fraEllipsoidEIN")->geometry().bottom());
}

// The longest line (Molodensky and the square) fits between the left edge
// and the output mask's right edge, in the gap above "Neue Startoptionen".
void OfficialChoiceTest::accuracyLineFitsBelowTheOutputMask() {
    RunningProgram p;
    p.openTask("comGRSEin", "comHayfordAUS", "comGradDezEIN", "comUTMmilAUS");
    auto* line = p.find<QLabel>("labGenauigkeit");
    QVERIFY(line);
    setText(p, "texBreite", "50");
    setText(p, "texLaenge", "10");
    p.click("comRechnen");
    QVERIFY(line->text().endsWith(QStringLiteral("Die Ziffern nennen die Südwestecke des "
                                                 "Planquadrats.")));
    const QRect mask = p.find("fraMILAUS")->geometry();
    const QRect r = line->geometry();
    QVERIFY(r.top() > mask.bottom());
    QVERIFY(r.bottom() < p.find("comStartoption")->geometry().top());
    QCOMPARE(r.right(), mask.right());
    QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= r.width(), "line cut off");
    QVERIFY(r.right() < 1024);
}

void OfficialChoiceTest::hemisphereOptionEmptiesTheAccuracyLine() {
    RunningProgram p;
    p.openTask("comGRSEin", "comBesselAUS", "comGradDezEIN", "comGradDezAUS");
    setText(p, "texBreite", "50");
    setText(p, "texLaenge", "10");
    p.click("comRechnen");
    auto* line = p.find<QLabel>("labGenauigkeit");
    QVERIFY(line->text().startsWith(QStringLiteral("Datumsübergang Molodensky")));
    p.click("optDezS");
    QCOMPARE(line->text(), QString());
    QCOMPARE(p.text("texBreiteAUS"), QString());
}

QTEST_MAIN(OfficialChoiceTest)
#include "official_choice_test.moc"
