#pragma once
// The vehicle editor as every vehicle editor test starts from it, and the
// codes its tests look up.
#include <QSpinBox>

#include "support/ui/EditorFixture.h"
#include "vehicle/ui/CVehBarPage.h"
#include "vehicle/ui/CVehInstPage.h"
#include "vehicle/ui/CVehIntrPage.h"
#include "vehicle/ui/CVehOccPage.h"
#include "vehicle/ui/CVehRestPage.h"
#include "vehicle/ui/CVehTestPage.h"
#include "vehicle/ui/CVehVehPage.h"
#include "vehicle/ui/CVehiclePropertySheet.h"

namespace vantor::test {

// The codes of a valid new test, the configurations the page rules turn
// on, and the locations, axes and units of the look-ups.
inline const std::string kVehCodes = CodeTables(R"(
TSTCFN VTB|VEHICLE TO BARRIER||VEHDB
TSTCFN VTV|VEHICLE TO VEHICLE||VEHDB
TSTCFN PTV|POLE TO VEHICLE||VEHDB
TSTCFN FCW|FORWARD COLLISION WARNING||VEHDB
TSTCFN DRO|DYNAMIC ROLLOVER||VEHDB
RECTYP DDA|DIGITAL DATA ACQUISITION||VEHDB
LINK UMB|UMBILICAL||VEHDB
MAKE 11|HONDA||VEHDB
MAKE 32|POLE||VEHDB
OCCLOC 01|DRIVER||VEHDB
OCCLOC 02|MIDDLE FRONT||VEHDB
OCCLOC 03|RIGHT FRONT||VEHDB
RSTTYP ABG|AIR BAG||VEHDB
RSTTYP 3PT|THREE POINT BELT||VEHDB
RSTTYP LAPB|LAP BELT AND BAG||VEHDB
DEPLOY DEP|DEPLOYED||VEHDB
DEPLOY NA|NOT APPLICABLE||VEHDB
SENTYP AC|ACCELEROMETER||VEHDB
SENLOC 01|DRIVER||VEHDB
SENLOC 03|RIGHT FRONT||VEHDB
SENLOC OT|OTHER||VEHDB
SENLOC NA|NOT APPLICABLE||VEHDB
SENLOC T1|TARGET 1||FCW DRO
SENLOC T2|TARGET 2||FCW DRO
SENLOC T3|TARGET 3||FCW DRO
SENLOC DL|DRIVER LEFT||DRO
AXIS XG|X GLOBAL||VEHDB
AXIS HY|HEADWAY||FCW
AXIS PA|PEDAL APPLICATION||FCW
AXIS FG|FLAG||FCW
AXIS LA|LATERAL ACCELERATION||DRO
AXIS XX|NOT AN FCW AXIS||FCW
BARSHP FLB|FLAT BARRIER||VEHDB
VEHIP P1|LEFT TOE PAN||INTRUSIONDB
)") + R"(
CREATE TABLE KORVADB_MODEL (MODEL TEXT, MODELD TEXT, MODEL_COMMENT TEXT, MAKE TEXT,
                            REFERENCE TEXT);
INSERT INTO KORVADB_MODEL VALUES ('01', 'ACCORD', '', '11', 'VEHDB');
INSERT INTO KORVADB_MODEL VALUES ('02', 'CIVIC', '', '11', 'VEHDB');
INSERT INTO KORVADB_MODEL VALUES ('05', 'POLE', '', '32', 'VEHDB');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'VEHDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('FET', 'FEET', '', 'VEHDB', 'LENGTH', 'ENG');
INSERT INTO KORVADB_UNITS VALUES ('BLN', 'BOOLEAN', '', 'VEHDB', 'STATE', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'VEHDB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('V', 'VOLTS', '', 'VEHDB', 'VOLTAGE', 'MET');
)";

class VehEditorFixture : public EditorFixture<CVehiclePropertySheet, EditorType::Vehicle> {
  protected:
    // Puts a configuration into the General Test Info page as its search
    // would, and leaves the page for `next`.
    void SetConfiguration(const std::string& config, QWidget* next) {
        Show(editor->TestPage());
        editor->TestPage()->Fields()->Edit(kTestConfiguration)->SetText(config);
        Show(next);
    }
    // Every page and record, and the second vehicle of a test with two.
    void ShowEverything() {
        EditorFixture::ShowEverything();
        if (!editor->VehPage()->VehicleNumber()->isEnabled()) return;
        Show(editor->VehPage());
        editor->VehPage()->VehicleNumber()->setValue(2);
        editor->VehPage()->VehicleNumber()->setValue(1);
        editor->ShowPage(0);
    }
};

}  // namespace vantor::test
