// picKarte, the small map beside a result: shown with a result, named as the
// place line, gone with the output; right of the masks where the window has
// room, else in the hint panel's place; painted in the palette's colours;
// nothing drawn, and no crash, without outlines.
#include "places/place_files.h"
#include "ui/look.h"
#include "ui/place_map.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

const QString kKrummboegle =
    QStringLiteral("Lage: 3,8 km südöstlich von Dornstadt (Baden-Württemberg, Deutschland)");

PlaceMap* map(const RunningProgram& p) {
    return static_cast<PlaceMap*>(p.find("picKarte"));
}

QString readName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

void resizeTo(QWidget* window, QSize size) {
    window->showNormal();
    window->resize(size);
    settle();
}

// The screen's other shown elements the map would cover.
QStringList covered(const RunningProgram& p) {
    QStringList names;
    const QRect m = map(p)->geometry();
    for (QWidget* w : p.calc()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != map(p) && w->isVisible() && w->geometry().intersects(m))
            names << w->objectName();
    return names;
}

void computeSample(RunningProgram& p) {
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
}

QColor pixel(const QImage& image, QPointF at) {
    return image.pixelColor(static_cast<int>(at.x()), static_cast<int>(at.y()));
}

// Pixels nearer to `line` than to `ground`: the lines drawn on it.
int pixelsCloserTo(const QImage& image, QColor line, QColor ground) {
    auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += distance(image.pixelColor(x, y), line) < distance(image.pixelColor(x, y), ground);
    return n;
}

// Pixels within a few steps of `colour`: the lines drawn in it.
int pixelsNear(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                     std::abs(c.blue() - colour.blue()) <
                 30;
        }
    return n;
}

QPalette paletteWith(QColor base, QColor text, QColor mid) {
    QPalette pal;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, base);
        pal.setColor(group, QPalette::Text, text);
        pal.setColor(group, QPalette::Mid, mid);
        pal.setColor(group, QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    }
    return pal;
}

} // namespace

class PlaceMapTest : public QObject {
    Q_OBJECT
private slots:
    void init() { files_.emplace(places::readPlaceFiles(LW_TEST_PLACES_DIR)); }
    void shownWithAResultNamedAsThePlaceLine();
    void placedWhereItHidesNothing_data();
    void placedWhereItHidesNothing();
    void withTheListOfEveryNotation();
    void eachPointGetsItsFrame_data();
    void eachPointGetsItsFrame();
    void noOutlinesNoMap();
    void paintsInThePalettesColours_data();
    void paintsInThePalettesColours();

private:
    std::optional<places::PlaceFiles> files_;
};

void PlaceMapTest::shownWithAResultNamedAsThePlaceLine() {
    places::ScopedPlaceFiles use(*files_);
    RunningProgram p;
    p.openTask("comGRSEin", "comBesselAUS", "comGradDezEIN", "comGKAUS");
    resizeTo(p.calc(), QSize(1024, 768));
    QVERIFY(!map(p)->isVisible()); // nothing before a result
    QVERIFY(p.find("labEingabe")->isVisible());
    computeSample(p);
    QVERIFY(map(p)->isVisible());
    QCOMPARE(readName(map(p)), kKrummboegle);
    QCOMPARE(map(p)->frameKind(), places::MapFrameKind::Germany);
    // At 1024 x 768 it stands in the hint panel's place, the hint hidden.
    QVERIFY(!p.find("labEingabe")->isVisible());
    QVERIFY(p.find("labEingabe")->geometry().contains(map(p)->geometry()));
    QCOMPARE(covered(p), QStringList());

    p.find("texBreite")->setFocus(Qt::OtherFocusReason); // empties the output
    settle();
    QVERIFY(!map(p)->isVisible());
    QVERIFY(!map(p)->hasPoint());
    QCOMPARE(readName(map(p)), QString());
    QVERIFY(p.find("labEingabe")->isVisible()); // the hint is back for the input

    // A refused input shows no map either.
    computeSample(p);
    QVERIFY(map(p)->isVisible());
    p.find<QLineEdit>("texBreite")->setText(QStringLiteral("95"));
    p.click("comRechnen");
    QVERIFY(!p.platform.boxes.empty());
    QVERIFY(!map(p)->isVisible());
    QVERIFY(p.find("labEingabe")->isVisible());
}

void PlaceMapTest::placedWhereItHidesNothing_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("right"); // right of the masks, the hint kept
    QTest::newRow("1024x768") << QSize(1024, 768) << false;
    QTest::newRow("1280x1024") << QSize(1280, 1024) << false;
    QTest::newRow("1366x768") << QSize(1366, 768) << true;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << true;
    QTest::newRow("3840x2160") << QSize(3840, 2160) << true;
}

void PlaceMapTest::placedWhereItHidesNothing() {
    QFETCH(QSize, window);
    QFETCH(bool, right);
    places::ScopedPlaceFiles use(*files_);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    QWidget* calc = p.calc();
    resizeTo(calc, window);
    computeSample(p);
    QVERIFY(map(p)->isVisible());
    QCOMPARE(p.find("labEingabe")->isVisible(), right);
    QCOMPARE(covered(p), QStringList());
    const QRect m = map(p)->geometry();
    QVERIFY(calc->rect().contains(m));
    if (right) {
        const QWidget* output = p.find("fraZIVAUS");
        QVERIFY(m.left() > output->geometry().right());
        QVERIFY(m.width() >= calc->width() / 6); // a map, not a stamp
    }
    // The map keeps its frame's shape (to a pixel of rounding).
    QVERIFY(std::abs(m.width() - m.height() * map(p)->aspect()) <= 2.0);

    // The window made small with a result standing: the map moves into the
    // hint's place.
    resizeTo(calc, QSize(1024, 768));
    QVERIFY(map(p)->isVisible());
    QVERIFY(!p.find("labEingabe")->isVisible());
    QCOMPARE(covered(p), QStringList());
}

void PlaceMapTest::withTheListOfEveryNotation() {
    places::ScopedPlaceFiles use(*files_);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comAlleAUS");
    for (QSize window : {QSize(1024, 768), QSize(1920, 1080)}) {
        resizeTo(p.calc(), window);
        p.find<QLineEdit>("texBreite")->setText(QStringLiteral("33.867778"));
        p.click("optDezS");
        p.find<QLineEdit>("texLaenge")->setText(QStringLiteral("151.207222"));
        p.click("comRechnen");
        QVERIFY(map(p)->isVisible());
        QCOMPARE(readName(map(p)), QStringLiteral("Lage: in Sydney (Australien)"));
        QCOMPARE(map(p)->frameKind(), places::MapFrameKind::World);
        QCOMPARE(covered(p).join(QLatin1Char(' ')), QString());
        p.click("optDezN"); // a hemisphere option empties the output
        QVERIFY(!map(p)->isVisible());
        QVERIFY(p.find("labEingabe")->isVisible());
    }
}

void PlaceMapTest::eachPointGetsItsFrame_data() {
    QTest::addColumn<QString>("lat");
    QTest::addColumn<QString>("lon");
    QTest::addColumn<int>("frame");
    QTest::newRow("Krummbögle") << "48.436333"
                                << "9.967967" << static_cast<int>(places::MapFrameKind::Germany);
    QTest::newRow("Paris") << "48.856600"
                           << "2.352200" << static_cast<int>(places::MapFrameKind::Europe);
    QTest::newRow("Tokio") << "35.689500"
                           << "139.691700" << static_cast<int>(places::MapFrameKind::World);
}

void PlaceMapTest::eachPointGetsItsFrame() {
    QFETCH(QString, lat);
    QFETCH(QString, lon);
    QFETCH(int, frame);
    places::ScopedPlaceFiles use(*files_);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    p.find<QLineEdit>("texBreite")->setText(lat);
    p.find<QLineEdit>("texLaenge")->setText(lon);
    p.click("comRechnen");
    QVERIFY(map(p)->isVisible());
    QCOMPARE(static_cast<int>(map(p)->frameKind()), frame);
    QCOMPARE(readName(map(p)), p.find<QLabel>("labLage")->text());
}

// A missing or damaged outline file: the place line still names the place,
// no map is drawn and the hint keeps its place.
void PlaceMapTest::noOutlinesNoMap() {
    places::PlaceFiles placesOnly;
    placesOnly.places = files_->places;
    places::ScopedPlaceFiles use(placesOnly);
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    resizeTo(p.calc(), QSize(1024, 768));
    computeSample(p);
    QCOMPARE(p.find<QLabel>("labLage")->text(), kKrummboegle);
    QVERIFY(!map(p)->isVisible());
    QVERIFY(p.find("labEingabe")->isVisible());

    // Asked directly, the map refuses the point and paints its empty frame.
    PlaceMap alone(nullptr);
    alone.resize(200, 150);
    QVERIFY(!alone.showPoint(nullptr, 48.4, 9.9, kKrummboegle));
    QVERIFY(!alone.hasPoint());
    const QImage image = alone.grab().toImage();
    QCOMPARE(pixelsNear(image, QColor(look::kMapCross)), 0);
}

void PlaceMapTest::paintsInThePalettesColours_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << paletteWith(Qt::white, Qt::black, QColor(0xa0, 0xa0, 0xa0));
    QTest::newRow("dark") << paletteWith(QColor(0x20, 0x20, 0x20), Qt::white,
                                         QColor(0x60, 0x60, 0x60));
}

void PlaceMapTest::paintsInThePalettesColours() {
    QFETCH(QPalette, palette);
    const places::Outlines& outlines = *files_->outlines;
    PlaceMap m(nullptr);
    m.setPalette(palette);
    const double lat = 48.436333, lon = 9.967967; // Krummbögle
    QVERIFY(m.showPoint(&outlines, lat, lon, kKrummboegle));
    m.resize(300, static_cast<int>(std::lround(300 / m.aspect())));
    QElapsedTimer timer;
    timer.start();
    const QImage image = m.grab().toImage();
    qInfo("Germany's map painted in %lld ms", static_cast<long long>(timer.elapsed()));

    // The cross on the point, in its red.
    const places::MapFrame frame = places::mapFrame(m.frameKind());
    const places::MapPoint at = places::project(frame, lat, lon);
    const double scale = m.width() / frame.width();
    QCOMPARE(pixel(image, QPointF(at.x * scale, at.y * scale)), QColor(look::kMapCross));
    // Land in the fields' colour (the Schorfheide, 8 pixels and more from
    // any border), the borders in the text's.
    const places::MapPoint land = places::project(frame, 52.9, 13.6);
    QCOMPARE(pixel(image, QPointF(land.x * scale, land.y * scale)), palette.color(QPalette::Base));
    QVERIFY(pixelsNear(image, palette.color(QPalette::Text)) > 300);
    // Water differs from land, but stays in the palette's lightness.
    const QColor sea = pixel(image, QPointF(3, 3)); // the North Sea at 4° E, 56° N
    QVERIFY(sea != palette.color(QPalette::Base));
    QVERIFY(std::abs(sea.lightness() - palette.color(QPalette::Base).lightness()) < 60);

    // The world from the same outlines, the cross at Sydney.
    QVERIFY(m.showPoint(&outlines, -33.8688, 151.2093, QStringLiteral("Sydney")));
    QCOMPARE(m.frameKind(), places::MapFrameKind::World);
    m.resize(360, 180);
    timer.restart();
    const QImage world = m.grab().toImage();
    qInfo("the world's map painted in %lld ms", static_cast<long long>(timer.elapsed()));
    timer.restart();
    m.grab();
    qInfo("and once more in %lld ms (a copy and the cross)",
          static_cast<long long>(timer.elapsed()));
    QVERIFY(pixelsCloserTo(world, palette.color(QPalette::Text), palette.color(QPalette::Base)) >
            1000);
    const places::MapPoint sydney =
        places::project(places::mapFrame(m.frameKind()), -33.8688, 151.2093);
    QCOMPARE(pixel(world, QPointF(sydney.x, sydney.y)), QColor(look::kMapCross));
}

QTEST_MAIN(PlaceMapTest)
#include "place_map_test.moc"
