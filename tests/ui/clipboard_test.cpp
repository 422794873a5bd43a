// The calculation screen and the clipboard where the scenario files cannot
// reach: "Ergebnis kopieren" on a 1024 x 768 display, the Ctrl+Shift+C
// shortcut, the paste of the context menu and of the middle click, and the
// list of every notation by the keyboard and seen whole.
#include "ui_test_support.h"

#include "model/screen.h"
#include "ui/look.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

void openDecimalToUtm(RunningProgram& p) {
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    QVERIFY(p.calc());
}

void pressCopyShortcut(QWidget* focused) {
    QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void copyButtonCoversNothingOnSmallDisplays();
    void shortcutCopiesTheShownResultOnly();
    void contextMenuPasteFillsTheMask();
    void middleClickPastesTheSelection();
    void listLinesByTheKeyboard();
    void listIsSeenWhole_data();
    void listIsSeenWhole();
};

void ClipboardTest::copyButtonCoversNothingOnSmallDisplays() {
    RunningProgram p;
    openDecimalToUtm(p);
    QWidget* screen = p.calc();
    screen->showNormal();
    screen->resize(1024, 768);
    settle();
    auto* button = p.find<QPushButton>("comKopieren");
    QVERIFY(button && button->isVisible());
    const QRect r = button->geometry();
    QVERIFY(QRect(0, 0, 1024, 768).contains(r));
    QVERIFY(button->fontMetrics().horizontalAdvance(QStringLiteral("Ergebnis kopieren")) <
            r.width());
    for (QWidget* other : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != static_cast<QWidget*>(button) && other->isVisible())
            QVERIFY2(!other->geometry().intersects(r), qPrintable(other->objectName()));
}

void ClipboardTest::shortcutCopiesTheShownResultOnly() {
    RunningProgram p;
    openDecimalToUtm(p);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("vorher"));
    QWidget* latitude = p.find("texBreite");
    pressCopyShortcut(latitude); // nothing shown yet
    QCOMPARE(clipboard->text(), QStringLiteral("vorher"));
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    latitude->setFocus(Qt::OtherFocusReason); // clears the output
    settle();
    pressCopyShortcut(latitude);
    QCOMPARE(clipboard->text(), QStringLiteral("vorher"));
    p.click("comRechnen");
    pressCopyShortcut(p.find("comRechnen"));
    QCOMPARE(clipboard->text(), QStringLiteral("32U 0571595 5365251"));
    QCOMPARE(p.text("comKopieren"), QStringLiteral("Kopiert"));
}

void ClipboardTest::contextMenuPasteFillsTheMask() {
    RunningProgram p;
    openDecimalToUtm(p);
    QGuiApplication::clipboard()->setText(QStringLiteral("48.5 S 9.25 W"));
    QWidget* latitude = p.find("texBreite");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            latitude->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(latitude, &event);
    settle();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* pasteAction = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            pasteAction = action;
    QVERIFY(pasteAction);
    pasteAction->trigger();
    menu->close();
    settle();
    QCOMPARE(p.text("texBreite"), QStringLiteral("48.5"));
    QCOMPARE(p.text("texLaenge"), QStringLiteral("9.25"));
    QVERIFY(p.find<QRadioButton>("optDezS")->isChecked());
    QVERIFY(p.find<QRadioButton>("optDezW")->isChecked());
}

void ClipboardTest::middleClickPastesTheSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("this platform has no selection to paste with the middle button");
    RunningProgram p;
    openDecimalToUtm(p);
    clipboard->setText(QStringLiteral("N48.5 E9.25"), QClipboard::Selection);
    QTest::mouseClick(p.find("texBreite"), Qt::MiddleButton);
    settle();
    QCOMPARE(p.text("texBreite"), QStringLiteral("48.5"));
    QCOMPARE(p.text("texLaenge"), QStringLiteral("9.25"));
}

// The list of every notation from the keyboard. It is one Tab stop, and
// none while it is empty; Up and Down move through every row, headings and
// greyed reasons too, so that they can be read; Ctrl+C and Enter copy a
// line's copy line and nothing of a reason or heading; Ctrl+Shift+C the
// whole list. A screen reader hears label and text, and that a reason is
// greyed.
void ClipboardTest::listLinesByTheKeyboard() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comAlleAUS");
    auto tabStops = [&p] {
        QStringList stops;
        for (Element e : kAllNotationsRows) {
            QWidget* row = p.find(elementName(e).data());
            if (row->focusPolicy() & Qt::TabFocus)
                stops << row->objectName();
        }
        return stops;
    };
    settle();
    QCOMPARE(tabStops(), QStringList());
    p.find<QLineEdit>("texBreite")->setText(QStringLiteral("33.867778"));
    p.click("optDezS");
    p.find<QLineEdit>("texLaenge")->setText(QStringLiteral("151.207222"));
    p.click("comRechnen");
    settle();
    QCOMPARE(tabStops(), QStringList{QStringLiteral("texAlleA1")});

    QWidget* reference = p.find("texAlleA6");
    reference->setFocus(Qt::TabFocusReason);
    QCOMPARE(tabStops(), QStringList{QStringLiteral("texAlleA6")}); // the row last used
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    auto expectFocusAfter = [](Qt::Key key, const char* name) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    };
    expectFocusAfter(Qt::Key_Down, "texAlleA8"); // greyed: south of the equator
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("vorher"));
    QAccessibleInterface* greyed = QAccessible::queryAccessibleInterface(p.find("texAlleA8"));
    QVERIFY(greyed->text(QAccessible::Name)
                .startsWith(QStringLiteral(
                    "GRS80 UTM amtlich: UTM amtlich gibt es nur auf der Nordhalbkugel")));
    QCOMPARE(greyed->text(QAccessible::Description), QStringLiteral("ausgegraut"));
    expectFocusAfter(Qt::Key_Down, "labAlleB");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("vorher"));
    expectFocusAfter(Qt::Key_Down, "texAlleB1");
    expectFocusAfter(Qt::Key_Up, "labAlleB");
    expectFocusAfter(Qt::Key_Up, "texAlleA8");
    expectFocusAfter(Qt::Key_Up, "texAlleA6");
    QTest::keyClick(reference, Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("56H LH 3417451058"));

    QWidget* last = p.find("texAlleC6");
    last->setFocus(Qt::TabFocusReason);
    expectFocusAfter(Qt::Key_Down, "texAlleC6"); // the end of the list
    QTest::keyClick(last, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("56H LH 3403950997 ED50"));
    p.find("texAlleA1")->setFocus(Qt::TabFocusReason);
    expectFocusAfter(Qt::Key_Up, "labAlleA");
    expectFocusAfter(Qt::Key_Up, "labAlleA"); // the start of the list

    pressCopyShortcut(last);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("GRS80 (WGS84, ETRS89): kein Datumsübergang\nGRS80 Grad (dezimal): "
                       "S33.867778 E151.207222\n")));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(last);
    QCOMPARE(read->text(QAccessible::Name),
             QStringLiteral("Hayford UTM referentiell: 56H LH 3403950997 ED50"));
    QCOMPARE(read->text(QAccessible::Description), QString());
}

// The list seen whole where the screen has room: on a 1024 x 768 and a
// 1920 x 1080 display, and at 200 % on 1920 x 1080 (a 960 x 540 window in
// layout pixels), every row lies inside the list's area, which needs no
// scrolling, and inside the window's width; nothing below the list overlaps
// it. The long greyed reasons of a point far from Germany wrap in their
// lines and show whole too.
void ClipboardTest::listIsSeenWhole_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QString>("lat");
    QTest::addColumn<QString>("lon");
    QTest::addColumn<bool>("south");
    for (QSize size : {QSize(1024, 768), QSize(1920, 1080), QSize(960, 540)}) {
        const QByteArray name =
            QByteArray::number(size.width()) + "x" + QByteArray::number(size.height());
        QTest::newRow(name + " Krummbögle") << size << "48.436333"
                                            << "9.967967" << false;
        QTest::newRow(name + " Sydney") << size << "33.867778"
                                        << "151.207222" << true;
    }
}

void ClipboardTest::listIsSeenWhole() {
    QFETCH(QSize, window);
    QFETCH(QString, lat);
    QFETCH(QString, lon);
    QFETCH(bool, south);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comAlleAUS");
    QWidget* screen = p.calc();
    screen->showNormal();
    screen->resize(window);
    settle();
    const int emptyHeight = p.find("fraAlleAUS")->height();
    p.find<QLineEdit>("texBreite")->setText(lat);
    if (south)
        p.click("optDezS");
    p.find<QLineEdit>("texLaenge")->setText(lon);
    p.click("comRechnen");
    settle();

    auto* scroll = p.find<QScrollArea>("scrAlle");
    QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    const int scrollBar = screen->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int right = window.width() - (window.height() < 768 ? scrollBar : 0);
    for (Element e : kAllNotationsRows) {
        auto* row = p.find<QLabel>(elementName(e).data());
        QVERIFY(!row->text().isEmpty());
        const QRect inArea(row->mapTo(scroll->viewport(), QPoint(0, 0)), row->size());
        QVERIFY2(scroll->viewport()->rect().contains(inArea), elementName(e).data());
        const int textRight = row->mapTo(screen, QPoint(row->width(), 0)).x();
        QVERIFY2(textRight <= right, elementName(e).data());
        // The text fits its row: the label wraps rather than cuts.
        QVERIFY2(row->heightForWidth(row->width()) <= row->height(), elementName(e).data());
    }
    QWidget* frame = p.find("fraAlleAUS");
    const int below = frame->geometry().bottom();
    for (const char* name : {"labGenauigkeit", "comStartoption", "labBeenden"})
        QVERIFY2(p.find(name)->geometry().top() > below, name);
    QVERIFY(frame->geometry().top() > p.find("comKopieren")->geometry().bottom());
    // Where the window is the layout's size or larger, no screen scrolling
    // either for the list in Germany.
    if (!south && window.height() >= 768)
        QVERIFY(frame->geometry().bottom() < window.height());
    // The list in Germany fills the room the empty list held: the first
    // result moves nothing below it.
    if (!south)
        QCOMPARE(frame->height(), emptyHeight);
    // Greyed reasons in the grey of disabled text.
    auto* greyedLine = p.find<QLabel>("texAlleB7");
    QCOMPARE(greyedLine->palette().color(QPalette::WindowText) == QColor(look::kDisabledText),
             !greyedLine->text().startsWith(QLatin1Char('R')));
}

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
