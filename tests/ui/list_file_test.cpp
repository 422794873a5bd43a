// List files in the window: the column dialog by keyboard alone, and a file
// read into the options lagewandler-liste would be called with, or refused
// with the reason.
#include "ui/calculation_screen.h"
#include "ui/column_dialog.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QMimeData>
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
    void csvFileBecomesTheListConvertersOptions();
    void plainFileNeedsNoQuestion();
    void cancelledQuestionLeavesNothing();
    void unreadableFilesAreRefusedWithTheReason();
    void buttonAndShortcutAskForAFile();
    void droppedFileIsOpenedWhereverItLands();
    void noListForEveryNotation();
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

void ListFileTest::csvFileBecomesTheListConvertersOptions() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    const auto file = screenOf(p)->prepareListFile(path("kirchtuerme_libreoffice.csv"));
    QVERIFY(file);
    QCOMPARE(p.platform.columnQuestions.size(), std::size_t{1});
    const auto& asked = p.platform.columnQuestions.front();
    QCOMPARE(asked.columns.size(), std::size_t{5});
    QCOMPARE(asked.parts, std::size_t{2});
    QCOMPARE(asked.proposed, (std::vector<std::size_t>{2, 3}));
    QVERIFY(file->options.csv);
    QCOMPARE(file->options.columns, (std::vector<std::string>{"Breite", "Länge"}));
    QCOMPARE(file->options.delimiter, ';');
    QVERIFY(file->options.charset == lists::Charset::Cp1252);
    QVERIFY(file->encoding == lists::FileEncoding::Cp1252);
    QVERIFY(file->options.task.startNotation == "dez");
    QVERIFY(file->options.task.targetNotation == "utm");
    QVERIFY(file->options.task.targetEllipsoid == "grs80");
    QVERIFY(p.platform.boxes.empty());
}

void ListFileTest::plainFileNeedsNoQuestion() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    const auto file = screenOf(p)->prepareListFile(path("ziele_utf8.txt"));
    QVERIFY(file);
    QVERIFY(p.platform.columnQuestions.empty());
    QVERIFY(!file->options.csv);
    QVERIFY(file->encoding == lists::FileEncoding::Utf8);
    QVERIFY(file->bytes.starts_with("# Ziele"));
}

void ListFileTest::cancelledQuestionLeavesNothing() {
    RunningProgram p;
    p.openTask("comBesselEIN", "comGRSAus", "comGKEIN", "comUTMzivilAUS");
    p.platform.cancelColumns = true;
    QVERIFY(!screenOf(p)->prepareListFile(path("grenzsteine_unicode.txt")));
    QCOMPARE(p.platform.columnQuestions.size(), std::size_t{1});
    QCOMPARE(p.platform.columnQuestions.front().proposed, (std::vector<std::size_t>{1, 2}));
    QVERIFY(p.platform.boxes.empty());
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
    QCOMPARE(button->nextInFocusChain(), p.find("comKrummboegleGrad"));
    QTest::keyClick(button, Qt::Key_Return);
    settle();
    QCOMPARE(p.platform.fileQuestions, 1);
    QVERIFY(p.platform.columnQuestions.empty());

    p.platform.fileToOpen = path("kirchtuerme_libreoffice.csv");
    p.platform.cancelColumns = true;
    QTest::keyClick(p.calc(), Qt::Key_O, Qt::ControlModifier);
    settle();
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
    QVERIFY(!screenOf(p)->prepareListFile(path("ziele_utf8.txt")));
    QCOMPARE(p.platform.boxes.size(), std::size_t{1});
    QVERIFY(p.platform.boxes.front().text.startsWith(
        QString::fromUtf8("Die Liste kann nicht geöffnet werden.\nEine Liste wird nicht in alle")));
}

QTEST_MAIN(ListFileTest)
#include "list_file_test.moc"
