// Without the grid file: run with PROJ pointed at an empty data directory
// (PROJ_DATA, and PROJ_LIB for older PROJ), the box stays disabled for a
// Bessel <-> GRS80 job and its tooltip says why.
#include "ui_test_support.h"

#include "conversion/official_datum.h"

#include <QCheckBox>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

class OfficialGridMissingTest : public QObject {
    Q_OBJECT
private slots:
    void boxStaysDisabledWithItsReason();

private:
    OfficialDatumModule module_{{LW_TEST_OFFICIAL_MODULE}};
    ScopedOfficialDatum use_{module_};
};

void OfficialGridMissingTest::boxStaysDisabledWithItsReason() {
    QVERIFY2(qEnvironmentVariableIsSet("PROJ_DATA"), "run through CTest, with PROJ_DATA set");
    RunningProgram p;
    auto* box = p.find<QCheckBox>("chkAmtlich");
    for (auto [start, target] :
         {std::pair{"comBesselEIN", "comGRSAus"}, std::pair{"comGRSEin", "comBesselAUS"}}) {
        p.click(start);
        p.click(target);
        QVERIFY(!box->isEnabled());
        QVERIFY(!box->isChecked());
        QCOMPARE(box->toolTip(),
                 QStringLiteral("Das Gitter BETA2007.gsb wurde nicht gefunden (Paket proj-data)."));
    }
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!p.state.job.Amtlich);
}

QTEST_MAIN(OfficialGridMissingTest)
#include "official_grid_missing_test.moc"
