// List files in the window: the column dialog by keyboard alone, and a file
// read into the options lagewandler-liste would be called with, or refused
// with the reason.
#include "lists/input_file.h"
#include "ui/calculation_screen.h"
#include "ui/column_dialog.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <fstream>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

lists::CsvTable sampleTable() {
    return {';',
            {"Nr", "Breite", "Länge", "Bemerkung"},
            {{"1", "48,4119", "9,7850", "Turm"}, {"2", "48,3980", "9,7650", ""}}};
}

// Runs `keys` on the open dialog once its event loop runs, as a user would
// type them; the answer of askForColumns is returned.
std::optional<std::vector<std::size_t>> askByKeyboard(const ColumnQuestion& question,
                                                      const std::function<void(QDialog*)>& keys) {
    QTimer::singleShot(0, [keys] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("the column dialog did not open");
        keys(dialog);
        // A failed check above leaves the dialog open: close it, so that
        // the test fails instead of waiting.
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
    return askForColumns(nullptr, question);
}

QString path(const char* name) {
    return QString::fromUtf8(LW_TEST_LIST_FILES) + QLatin1Char('/') + QLatin1String(name);
}

CalculationScreen* screenOf(const RunningProgram& p) {
    return qobject_cast<CalculationScreen*>(p.calc());
}

} // namespace

class ListFileTest : public QObject {
    Q_OBJECT
private slots:
    void dialogTakesTheProposalWithEnter();
    void dialogChangesAColumnByArrowKeys();
    void dialogRefusesAColumnTwice();
    void dialogEscapeCancels();
    void unreadableFilesAreRefusedWithTheReason();
    void buttonAndShortcutAskForAFile();
    void droppedFileIsOpenedWhereverItLands();
    void noListForEveryNotation();
    void openedFileGivesTheListConvertersText_data();
    void openedFileGivesTheListConvertersText();
};

void ListFileTest::dialogTakesTheProposalWithEnter() {
    const lists::CsvTable table = sampleTable();
    const auto answer =
        askByKeyboard({&table, 2, "Grad (dezimal)", "a.csv", {1, 2}}, [](QDialog* d) {
            auto* first = d->findChild<QComboBox*>("cboSpalte1");
            QCOMPARE(d->focusWidget(), first);
            QCOMPARE(first->currentText(), QString::fromUtf8("Breite – 48,4119"));
            QCOMPARE(first->accessibleName(), QStringLiteral("1. Koordinatenspalte"));
            QTest::keyClick(first, Qt::Key_Return);
        });
    QCOMPARE(answer, (std::optional<std::vector<std::size_t>>{{1, 2}}));
}

// Up and Down choose within a column, Tab goes on to the next and to the
// buttons, Enter takes the choice.
void ListFileTest::dialogChangesAColumnByArrowKeys() {
    const lists::CsvTable table = sampleTable();
    const auto answer = askByKeyboard({&table, 2, "Grad (dezimal)", "a.csv", {}}, [](QDialog* d) {
        QVERIFY(
            d->findChild<QLabel*>("labSpalten")->text().contains(QStringLiteral("Keine Spalte")));
        QVERIFY(!d->findChild<QPushButton*>("comSpaltenOK")->isEnabled());
        QTest::keyClick(d->focusWidget(), Qt::Key_Down); // "Nr"
        QTest::keyClick(d->focusWidget(), Qt::Key_Down); // "Breite"
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        QCOMPARE(d->focusWidget()->objectName(), QStringLiteral("cboSpalte2"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(d->focusWidget(), Qt::Key_Down); // "Länge"
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        QCOMPARE(d->focusWidget()->objectName(), QStringLiteral("comSpaltenOK"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(answer, (std::optional<std::vector<std::size_t>>{{1, 2}}));
}

void ListFileTest::dialogRefusesAColumnTwice() {
    const lists::CsvTable table = sampleTable();
    const auto answer =
        askByKeyboard({&table, 2, "Grad (dezimal)", "a.csv", {1, 2}}, [](QDialog* d) {
            auto* second = d->findChild<QComboBox*>("cboSpalte2");
            second->setFocus();
            QTest::keyClick(second, Qt::Key_Up); // "Breite" again
            auto* ok = d->findChild<QPushButton*>("comSpaltenOK");
            QVERIFY(!ok->isEnabled());
            QCOMPARE(d->findChild<QLabel*>("labSpaltenHinweis")->text(),
                     QString::fromUtf8("Die Spalte \"Breite\" ist zweimal gewählt."));
            QTest::keyClick(second, Qt::Key_Return); // nothing: the choice is not taken
            QVERIFY(d->isVisible());
            QTest::keyClick(second, Qt::Key_Down);
            QVERIFY(ok->isEnabled());
            QTest::keyClick(second, Qt::Key_Return);
        });
    QCOMPARE(answer, (std::optional<std::vector<std::size_t>>{{1, 2}}));
}

void ListFileTest::dialogEscapeCancels() {
    const lists::CsvTable table = sampleTable();
    const auto answer =
        askByKeyboard({&table, 2, "Grad (dezimal)", "a.csv", {1, 2}},
                      [](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); });
    QVERIFY(!answer);
}

void ListFileTest::unreadableFilesAreRefusedWithTheReason() {
    QTemporaryDir dir;
    const QString binary = dir.filePath("punkte.xlsx");
    std::ofstream(binary.toStdString(), std::ios::binary) << std::string("PK\x03\x04\0\0", 6);
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {dir.filePath("fehlt.csv"), "Die Liste kann nicht geöffnet werden.\n" +
                                        dir.filePath("fehlt.csv") + ": Die Datei gibt es nicht."},
        {dir.path(), "Die Liste kann nicht geöffnet werden.\n" + dir.path() +
                         ": Das ist ein Ordner, keine Datei."},
        {binary, "Die Liste kann nicht geöffnet werden.\n" + binary +
                     ": Die Datei ist keine Text- oder CSV-Datei. Eine Tabelle speichern Sie "
                     "dafür als CSV oder als Text."},
    };
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    for (const auto& c : cases) {
        p.platform.boxes.clear();
        QVERIFY(!screenOf(p)->prepareListFile(c.path));
        QCOMPARE(p.platform.boxes.size(), std::size_t{1});
        QCOMPARE(p.platform.boxes.front().text, c.message);
        QVERIFY(p.platform.boxes.front().icon == MessageIcon::Critical);
    }
}

// "Liste öffnen …" by Tab and Enter as well as Ctrl+O: the file asked for
// is read (a CSV file's columns asked); a cancelled file question does
// nothing.
void ListFileTest::buttonAndShortcutAskForAFile() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    auto* button = p.find<QPushButton>("comListeOeffnen");
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->accessibleName(), QStringLiteral("Liste öffnen"));
    QCOMPARE(p.find("labBeenden")->nextInFocusChain(), button);
    QTest::keyClick(button, Qt::Key_Return);
    settle();
    QCOMPARE(p.platform.fileQuestions, 1);
    QVERIFY(p.platform.columnQuestions.empty());

    // Esc in the column dialog leaves the result shown as it was.
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    const QString zone = p.text("texZone2");
    QVERIFY(!zone.isEmpty());
    p.platform.fileToOpen = path("kirchtuerme_libreoffice.csv");
    p.platform.cancelColumns = true;
    QTest::keyClick(p.calc(), Qt::Key_O, Qt::ControlModifier);
    settle();
    QCOMPARE(p.text("texZone2"), zone);
    QVERIFY(!screenOf(p)->showsPointList());
    QCOMPARE(p.platform.fileQuestions, 2);
    QCOMPARE(p.platform.columnQuestions.size(), std::size_t{1});
    QVERIFY(p.platform.boxes.empty());
}

void ListFileTest::droppedFileIsOpenedWhereverItLands() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    p.platform.cancelColumns = true;
    auto drop = [&](QWidget* target, const QList<QUrl>& urls) {
        QMimeData mime;
        mime.setUrls(urls);
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QVERIFY(dropped.isAccepted());
        settle();
    };
    const QUrl csv = QUrl::fromLocalFile(path("kirchtuerme_libreoffice.csv"));
    drop(p.find("texBreite"), {csv}); // an input field takes no file as text
    QCOMPARE(p.platform.columnQuestions.size(), std::size_t{1});
    QCOMPARE(p.find<QLineEdit>("texBreite")->text(), QString());
    drop(p.calc(), {csv});
    QCOMPARE(p.platform.columnQuestions.size(), std::size_t{2});
    drop(p.calc(), {csv, QUrl::fromLocalFile(path("ziele_utf8.txt"))});
    QCOMPARE(p.platform.columnQuestions.size(), std::size_t{2});
    QCOMPARE(p.platform.boxes.size(), std::size_t{1});
    QCOMPARE(
        p.platform.boxes.front().text,
        QString::fromUtf8("Legen Sie nur eine Datei ab: eine Liste wird für sich umgerechnet."));
}

void ListFileTest::noListForEveryNotation() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comAlleAUS");
    QVERIFY(!p.find("comListeOeffnen")->isVisible());
    QVERIFY(!screenOf(p)->prepareListFile(path("kirchtuerme_libreoffice.csv")));
    QCOMPARE(p.platform.boxes.size(), std::size_t{1});
    QVERIFY(p.platform.boxes.front().text.contains(QStringLiteral("statt \"Alle Schreibweisen\"")));
    QVERIFY(p.platform.columnQuestions.empty());
}

// A file opened in the window, its proposed columns taken, gives byte for
// byte what lagewandler-liste writes for it with the same options, and
// "Liste speichern …" writes that in the encoding the file came in.
void ListFileTest::openedFileGivesTheListConvertersText_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("task"); // the four buttons of the selection screen
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("savedStart");
    QTest::newRow("LibreOffice CSV, Windows-1252")
        << "kirchtuerme_libreoffice.csv"
        << QStringList{"comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS"}
        << QStringList{"--von",
                       "grs80:dez",
                       "--nach",
                       "grs80:utm",
                       "--csv",
                       "--spalten",
                       QString::fromUtf8("Breite,Länge"),
                       "--zeichensatz",
                       "cp1252"}
        << QByteArray("Nr;Bezeichnung;Zone;Rechtswert;Hochwert;H\xF6he\r\n");
    QTest::newRow("Unicode text, UTF-16")
        << "grenzsteine_unicode.txt"
        << QStringList{"comBesselEIN", "comGRSAus", "comGKEIN", "comUTMzivilAUS"}
        << QStringList{"--von",     "bessel:gk",          "--nach", "grs80:utm", "--csv",
                       "--spalten", "Rechtswert,Hochwert"}
        << QByteArray("\xFF\xFEP\0u\0", 6);
    QTest::newRow("plain UTF-8 list")
        << "ziele_utf8.txt"
        << QStringList{"comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMmilAUS"}
        << QStringList{"--von", "grs80:dez", "--nach", "grs80:utmmil"}
        << QByteArray("# Ziele f\xC3\xBCr");
}

void ListFileTest::openedFileGivesTheListConvertersText() {
    QFETCH(QString, file);
    QFETCH(QStringList, task);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, savedStart);

    QProcess liste;
    liste.start(QStringLiteral(LW_TEST_LISTE), arguments << path(file.toUtf8().constData()));
    QVERIFY(liste.waitForFinished(30000));
    const QByteArray written = liste.readAllStandardOutput();
    QVERIFY(liste.exitCode() == 0 || liste.exitCode() == 1);
    QVERIFY(!written.isEmpty());

    RunningProgram p;
    p.openTask(task[0].toUtf8().constData(), task[1].toUtf8().constData(),
               task[2].toUtf8().constData(), task[3].toUtf8().constData());
    p.platform.fileToOpen = path(file.toUtf8().constData());
    p.click("comListeOeffnen");
    CalculationScreen* screen = screenOf(p);
    QTRY_COMPARE_WITH_TIMEOUT(QByteArray::fromStdString(screen->pointListText()), written, 20000);
    QVERIFY(p.platform.boxes.empty());
    // Only a CSV file asks for its columns.
    QCOMPARE(p.platform.columnQuestions.size(),
             std::size_t{arguments.contains(QStringLiteral("--csv")) ? 1u : 0u});

    QTemporaryDir dir;
    p.platform.savePath = dir.filePath("gespeichert");
    p.click("comListeSpeichern");
    const QFileInfo original(path(file.toUtf8().constData()));
    QCOMPARE(QFileInfo(p.platform.suggestedSaveName).fileName(),
             original.completeBaseName() + "-umgerechnet." + original.suffix());
    QFile saved(p.platform.savePath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY2(bytes.startsWith(savedStart), bytes.left(40).toHex().constData());
    std::string error;
    const std::string originalBytes =
        lists::readWholeFile(path(file.toUtf8().constData()).toStdString(), error).value();
    QCOMPARE(bytes, QByteArray::fromStdString(lists::savedListText(
                        written.toStdString(), lists::detectEncoding(originalBytes))));
}

QTEST_MAIN(ListFileTest)
#include "list_file_test.moc"
