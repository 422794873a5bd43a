// The list of points in the calculation screen where the scenario files
// cannot reach: the whole list copied equals lagewandler-liste's output byte
// for byte for a text of every form, selected rows copied by Ctrl+C, the
// next refused row by F8, and a cancelled list leaving the screen usable.
#include "ui_test_support.h"

#include "ui/calculation_screen.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTableView>
#include <QTemporaryDir>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

// lagewandler-liste's standard output for `input`.
QByteArray listConverterOutput(const QByteArray& input, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(LW_TEST_LISTE), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

CalculationScreen* screenOf(RunningProgram& p) {
    return qobject_cast<CalculationScreen*>(p.calc());
}

void pasteIntoFirstField(RunningProgram& p, const char* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    p.click(field);
    QTest::keyClick(p.find(field), Qt::Key_V, Qt::ControlModifier);
    settle();
}

// Until the conversion has ended (the progress bar goes).
void waitForList(RunningProgram& p) {
    QTRY_VERIFY_WITH_TIMEOUT(p.find("barListe")->isHidden(), 30000);
    settle();
}

} // namespace

class PointListTest : public QObject {
    Q_OBJECT
private slots:
    void wholeListCopiedAsTheListConverterWritesIt_data();
    void wholeListCopiedAsTheListConverterWritesIt();
    void selectedRowsAndNextRefusedByTheKeyboard();
    void cancelledListLeavesTheScreenUsable();
    void noListForEveryNotation();
};

void PointListTest::wholeListCopiedAsTheListConverterWritesIt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lastField"); // as pasted: with or without a line end
    // Every form a line takes: comment, blank line, identifier before the
    // values, a whole coordinate with signs and degree marks, a link and a
    // geo URI, an impossible latitude, an empty field, a value missing, a
    // number that may be the first part (the --kennung hint), a name, a
    // decimal comma, tabs, CR LF line ends, a control character.
    QTest::newRow("LF") << QStringLiteral(
                               "# Gipfel\n"
                               "P1 48.137393 11.575448\n"
                               "\n"
                               "N 50° 06' 47\" E 8° 40' 55\"\n"
                               "https://www.openstreetmap.org/?mlat=48.43633&mlon=9.96797\n"
                               "geo:48.436333,9.967967\n"
                               "P2 99 88\n"
                               "17;48.137393;\n"
                               "P3 48.1\n"
                               "17 48.137393 11.575448\n"
                               "Krummbögle\n"
                               "P4\t48,436333\t9,967967\n"
                               "40.7128, -74.0060\n"
                               "P5 48.1\x01 11.5")
                        << QString();
    QTest::newRow("CRLF, line end at the end")
        << QStringLiteral("A 48.1 11.5\r\nB 91 11.5\r\n  \r\nC 47.5 -3.2\r\n") << QString();
}

void PointListTest::wholeListCopiedAsTheListConverterWritesIt() {
    QFETCH(QString, text);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    p.platform.questionAnswer = Answer::Yes;
    pasteIntoFirstField(p, "texBreite", text);
    QVERIFY(!p.platform.boxes.empty());
    QVERIFY(p.platform.boxes.back().text.endsWith(u"Zeilen. Als Punktliste umrechnen?"));
    waitForList(p);
    QVERIFY(p.find("fraListeAUS")->isVisible());
    QVERIFY(!p.find("fraZIVAUS")->isVisible());

    p.click("comListeKopieren");
    // The clipboard holds the text the list converter writes for the lines
    // as pasted, blank lines around them dropped.
    const QByteArray expected =
        listConverterOutput(text.trimmed().toUtf8() + (text.endsWith(u'\n') ? "\r\n" : ""),
                            {QStringLiteral("--von"), QStringLiteral("grs80:dez"),
                             QStringLiteral("--nach"), QStringLiteral("grs80:utm")});
    QVERIFY(!expected.isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), expected);
    QCOMPARE(QString::fromStdString(screenOf(p)->pointListText()).toUtf8(), expected);
    QCOMPARE(p.text("comListeKopieren"), QStringLiteral("Kopiert"));

    // "Liste speichern …" writes the same bytes; a file that cannot be
    // written is told.
    QTemporaryDir dir;
    p.platform.savePath = dir.filePath(QStringLiteral("liste.txt"));
    p.click("comListeSpeichern");
    QFile saved(p.platform.savePath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), expected);
    const std::size_t boxes = p.platform.boxes.size();
    p.platform.savePath = dir.filePath(QStringLiteral("fehlt/liste.txt"));
    p.click("comListeSpeichern");
    QCOMPARE(p.platform.boxes.size(), boxes + 1);
    QCOMPARE(
        p.platform.boxes.back().text,
        QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(p.platform.savePath));
}

void PointListTest::selectedRowsAndNextRefusedByTheKeyboard() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    p.platform.questionAnswer = Answer::Yes;
    pasteIntoFirstField(p, "texBreite",
                        QStringLiteral("P1 48.1 11.5\nP2 99 88\nP3 48.2 11.6\n"
                                       "P4 x\nP5 48.3 11.7"));
    waitForList(p);
    auto* view = p.find<QTableView>("tabListe");
    QVERIFY(view->hasFocus());
    QCOMPARE(p.find<QLabel>("labListeAnzahl")->text(),
             QStringLiteral("5 Zeilen: 3 umgerechnet, 2 mit Fehler"));
    QCOMPARE(view->accessibleName(), QStringLiteral("Punktliste"));
    QVERIFY(view->accessibleDescription().contains(u"F8: nächste Zeile mit Fehler"));

    // F8 goes from refused row to refused row, and round again.
    for (int expectedRow : {1, 3, 1}) {
        QTest::keyClick(view, Qt::Key_F8);
        settle();
        QCOMPARE(view->currentIndex().row(), expectedRow);
    }
    // The reason is greyed; the result is not.
    QVERIFY(view->model()->index(1, 2).data(Qt::ForegroundRole).isValid());
    QVERIFY(!view->model()->index(0, 2).data(Qt::ForegroundRole).isValid());

    // Shift+Down adds the next row; Ctrl+C copies both lines as written.
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    settle();
    const QStringList copied = QGuiApplication::clipboard()->text().split(u'\n');
    QCOMPARE(copied.size(), 2);
    QVERIFY(copied[0].startsWith(u"P2 FEHLER: "));
    QVERIFY(copied[1].startsWith(u"P3 32U "));

    // "Neue Startoptionen wählen" leaves the list; the next screen has none.
    p.click("comStartoption");
    QVERIFY(!p.calc() || !p.find("fraListeAUS") || p.find("fraListeAUS")->isHidden());
}

void PointListTest::cancelledListLeavesTheScreenUsable() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    CalculationScreen* screen = screenOf(p);
    std::string many;
    for (int i = 0; i < 400000; ++i)
        many += "P" + std::to_string(i) + " 48." + std::to_string(i % 1000) + " 11.5\n";
    screen->showPointList(many, screen->pointListOptions());
    auto* view = p.find<QTableView>("tabListe");
    QTRY_VERIFY(view->model()->rowCount() > 0); // rows show while the rest converts
    QTest::keyClick(view, Qt::Key_Escape);
    waitForList(p);
    const QString count = p.find<QLabel>("labListeAnzahl")->text();
    QVERIFY2(count.contains(u"abgebrochen"), qPrintable(count));
    QVERIFY(view->model()->rowCount() < 400000);

    // The rows read so far are copied as the list converter writes them.
    p.click("comListeKopieren");
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(u"P0 32T 0686483 5319325\nP1 32U "));

    // A point typed and computed as before: the list makes way for it.
    p.click("texBreite");
    QTest::keyClicks(p.find("texBreite"), QStringLiteral("48.4363326641023"));
    p.click("texLaenge");
    QTest::keyClicks(p.find("texLaenge"), QStringLiteral("9.96796724981198"));
    p.click("comRechnen");
    QVERIFY(p.find("fraListeAUS")->isHidden());
    QVERIFY(p.find("fraZIVAUS")->isVisible());
    QCOMPARE(p.text("texRechts2"), QStringLiteral("0571595"));

    // A list started again, left at once by a new paste while it runs.
    screen->showPointList(many, screen->pointListOptions());
    pasteIntoFirstField(p, "texBreite", QStringLiteral("48.1 11.5"));
    QVERIFY(p.find("fraListeAUS")->isHidden());
    QCOMPARE(p.text("texLaenge"), QStringLiteral("11.5"));
}

// A list opened (not pasted) while "Alle Schreibweisen" stands is told, not
// shown.
void PointListTest::noListForEveryNotation() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comAlleAUS");
    CalculationScreen* screen = screenOf(p);
    screen->showPointList("P1 48.1 11.5\n", screen->pointListOptions());
    QVERIFY(!screen->showsPointList());
    QCOMPARE(p.platform.boxes.size(), std::size_t{1});
    QCOMPARE(p.platform.boxes.back().icon, MessageIcon::Information);
}

QTEST_MAIN(PointListTest)
#include "point_list_test.moc"
