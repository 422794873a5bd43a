// The line labLage under a result: where its point lies, emptied with the
// output, read by a screen reader, and copied with the whole list of every
// notation but never with a single result's line.
#include "places/place_files.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

const QString kKrummboegle =
    QStringLiteral("Lage: 3,8 km südöstlich von Dornstadt (Baden-Württemberg, Deutschland)");

QString placeLine(const RunningProgram& p) {
    return p.find<QLabel>("labLage")->text();
}

} // namespace

class PlaceLineTest : public QObject {
    Q_OBJECT
private slots:
    void init() { files_.emplace(places::readPlaceFiles(LW_TEST_PLACES_DIR)); }
    void underASingleResultAndGoneWithIt();
    void aCopiedInputHasItsPlaceToo();
    void refusedInputHasNoPlace();
    void wholeListCopyEndsWithThePlace();
    void missingFilesAreNotAvailable();

private:
    std::optional<places::PlaceFiles> files_;
};

void PlaceLineTest::underASingleResultAndGoneWithIt() {
    places::ScopedPlaceFiles use(*files_);
    RunningProgram p;
    p.openTask("comGRSEin", "comBesselAUS", "comGradDezEIN", "comGKAUS");
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    QCOMPARE(placeLine(p), kKrummboegle);
    auto* label = p.find<QLabel>("labLage");
    QVERIFY(label->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), kKrummboegle);
    QCOMPARE(p.find("comKopieren")->accessibleDescription(), kKrummboegle);

    // "Ergebnis kopieren" copies the coordinate alone.
    p.click("comKopieren");
    QVERIFY(!QGuiApplication::clipboard()->text().contains(QStringLiteral("Lage")));

    p.find("texBreite")->setFocus(Qt::OtherFocusReason); // empties the output
    settle();
    QCOMPARE(placeLine(p), QString());
    QCOMPARE(p.find("comKopieren")->accessibleDescription(), QString());
}

// UTM to UTM on one ellipsoid copies the input: the place still comes from
// the point.
void PlaceLineTest::aCopiedInputHasItsPlaceToo() {
    places::ScopedPlaceFiles use(*files_);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comUTMzivilEIN", "comUTMzivilAUS");
    p.find<QLineEdit>("texZone")->setText(QStringLiteral("32U"));
    p.find<QLineEdit>("texRechts")->setText(QStringLiteral("0571595"));
    p.find<QLineEdit>("texHoch")->setText(QStringLiteral("5365251"));
    p.click("comRechnen");
    QCOMPARE(p.text("texRechts2"), QStringLiteral("0571595"));
    QCOMPARE(placeLine(p), kKrummboegle);
}

void PlaceLineTest::refusedInputHasNoPlace() {
    places::ScopedPlaceFiles use(*files_);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    QCOMPARE(placeLine(p), kKrummboegle);
    p.find<QLineEdit>("texBreite")->setText(QStringLiteral("85"));
    p.click("comRechnen"); // beyond 84° N: no UTM
    QVERIFY(!p.platform.boxes.empty());
    QCOMPARE(p.text("texZone2"), QString());
    QCOMPARE(placeLine(p), QString());
}

void PlaceLineTest::wholeListCopyEndsWithThePlace() {
    places::ScopedPlaceFiles use(*files_);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comAlleAUS");
    p.find<QLineEdit>("texBreite")->setText(QStringLiteral("33.867778"));
    p.click("optDezS");
    p.find<QLineEdit>("texLaenge")->setText(QStringLiteral("151.207222"));
    p.click("comRechnen");
    QCOMPARE(placeLine(p), QStringLiteral("Lage: in Sydney (Australien)"));
    p.click("comKopieren");
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.startsWith(QStringLiteral("GRS80 (WGS84, ETRS89): kein Datumsübergang\n"
                                             "GRS80 Grad (dezimal): S33.867778 E151.207222\n")));
    QVERIFY(copied.endsWith(QStringLiteral("\nLage: in Sydney (Australien)")));
    // One line of the list copies its coordinate alone.
    auto* line = p.find<QLabel>("texAlleA4");
    line->setFocus(Qt::TabFocusReason);
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), line->text());
}

void PlaceLineTest::missingFilesAreNotAvailable() {
    const places::PlaceFiles none;
    places::ScopedPlaceFiles use(none);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    QCOMPARE(placeLine(p), QStringLiteral("Lage: nicht verfügbar"));
}

QTEST_MAIN(PlaceLineTest)
#include "place_line_test.moc"
