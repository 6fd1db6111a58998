#pragma once
// The component editor opened through the launcher, with recorded messages,
// scripted file dialogs and the codes of the component test files: what
// every component editor test starts from.
#include <QObject>
#include <QtTest>
#include <memory>

#include "component/ui/CComponentPropertySheet.h"
#include "editor/CRecordPage.h"
#include "launcher/CChooseDB.h"
#include "support/ui/UiTestSupport.h"
#include "widgets/FileDialogs.h"

namespace vantor::test {

// Every code of the component files in tests/data, with a second make.
inline constexpr const char* kCompCodes = R"(
BEGIN;
CREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);
INSERT INTO DATABASE_VERSION VALUES ('2009.1');
CREATE TABLE KORVADB_TSTPRF (TSTPRF TEXT, TSTPRFD TEXT, TSTPRF_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTPRF VALUES ('TRC', 'TEST CENTRE', '', 'VEHDB COMDB');
CREATE TABLE KORVADB_TSTTYP (TSTTYP TEXT, TSTTYPD TEXT, TSTTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTTYP VALUES ('ROV', 'ROLLOVER', '', 'COMDB');
INSERT INTO KORVADB_TSTTYP VALUES ('STA', 'STATIC', '', 'COMDB');
CREATE TABLE KORVADB_MAKE (MAKE TEXT, MAKED TEXT, MAKE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_MAKE VALUES ('FORD', 'FORD', '', 'VEHDB COMDB');
INSERT INTO KORVADB_MAKE VALUES ('HONDA', 'HONDA', '', 'VEHDB COMDB');
CREATE TABLE KORVADB_MODEL (MODEL TEXT, MODELD TEXT, MODEL_COMMENT TEXT, MAKE TEXT,
                            REFERENCE TEXT);
INSERT INTO KORVADB_MODEL VALUES ('EXPLORER', 'EXPLORER', '', 'FORD', 'VEHDB COMDB');
INSERT INTO KORVADB_MODEL VALUES ('CIVIC', 'CIVIC', '', 'HONDA', 'VEHDB COMDB');
CREATE TABLE KORVADB_BODY (BODY TEXT, BODYD TEXT, BODY_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_BODY VALUES ('UV', 'UTILITY', '', 'COMDB');
INSERT INTO KORVADB_BODY VALUES ('4S', 'SEDAN', '', 'COMDB');
CREATE TABLE KORVADB_CRTEST (CRTEST TEXT, CRTESTD TEXT, CRTEST_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_CRTEST VALUES ('N', 'NO', '', 'COMDB');
INSERT INTO KORVADB_CRTEST VALUES ('Y', 'YES', '', 'COMDB');
CREATE TABLE KORVADB_ENGINE (ENGINE TEXT, ENGINED TEXT, ENGINE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_ENGINE VALUES ('V6', 'V SIX', '', 'VEHDB');
INSERT INTO KORVADB_ENGINE VALUES ('ELEC', 'ELECTRIC', '', 'VEHDB');
CREATE TABLE KORVADB_TRANSM (TRANSM TEXT, TRANSMD TEXT, TRANSM_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TRANSM VALUES ('AUTO', 'AUTOMATIC', '', 'VEHDB');
CREATE TABLE KORVADB_CMPNT (CMPNT TEXT, CMPNTD TEXT, CMPNT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_CMPNT VALUES ('ROVV', 'ROLLOVER VEHICLE', '', 'COMDB');
INSERT INTO KORVADB_CMPNT VALUES ('SEAT', 'SEAT', '', 'COMDB');
CREATE TABLE KORVADB_CMPTYP (CMPTYP TEXT, CMPTYPD TEXT, CMPTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_CMPTYP VALUES ('VE', 'VEHICLE', '', 'COMDB');
INSERT INTO KORVADB_CMPTYP VALUES ('BK', 'BACK', '', 'COMDB');
CREATE TABLE KORVADB_MODIND (MODIND TEXT, MODINDD TEXT, MODIND_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_MODIND VALUES ('N', 'NONE', '', 'COMDB');
CREATE TABLE KORVADB_OCCTYP (OCCTYP TEXT, OCCTYPD TEXT, OCCTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_OCCTYP VALUES ('NA', 'NOT APPLICABLE', '', 'COMDB');
INSERT INTO KORVADB_OCCTYP VALUES ('WD', 'WITH DRIVER', '', 'COMDB');
CREATE TABLE KORVADB_DUMSIZ (DUMSIZ TEXT, DUMSIZD TEXT, DUMSIZ_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_DUMSIZ VALUES ('NA', 'NOT APPLICABLE', '', 'COMDB');
CREATE TABLE KORVADB_TSTDEV (TSTDEV TEXT, TSTDEVD TEXT, TSTDEV_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTDEV VALUES ('TLT', 'TILT TABLE', '', 'COMDB');
INSERT INTO KORVADB_TSTDEV VALUES ('SLD', 'SLED', '', 'COMDB');
CREATE TABLE KORVADB_CONFIG (CONFIG TEXT, CONFIGD TEXT, CONFIG_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_CONFIG VALUES ('ROL', 'ROLL', '', 'COMDB');
INSERT INTO KORVADB_CONFIG VALUES ('FRT', 'FRONT', '', 'COMDB');
CREATE TABLE KORVADB_SENTYP (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENTYP VALUES ('AC', 'ACCELEROMETER', '', 'COMDB');
INSERT INTO KORVADB_SENTYP VALUES ('LC', 'LOAD CELL', '', 'COMDB');
CREATE TABLE KORVADB_SENATT (SENATT TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENATT VALUES ('VS', 'VEHICLE SILL', '', 'COMDB');
INSERT INTO KORVADB_SENATT VALUES ('ST', 'SEAT', '', 'COMDB');
CREATE TABLE KORVADB_AXIS (AXIS TEXT, AXISD TEXT, AXIS_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_AXIS VALUES ('X', 'X', '', 'COMDB');
INSERT INTO KORVADB_AXIS VALUES ('Y', 'Y', '', 'COMDB');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'COMDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G', 'G', '', 'COMDB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('N', 'NEWTON', '', 'COMDB', 'FORCE', 'MET');
CREATE TABLE KORVADB_DASTAT (DASTAT TEXT, DASTATD TEXT, DASTAT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_DASTAT VALUES ('AM', 'AMENDED', '', 'COMDB');
CREATE TABLE KORVADB_CHSTAT (CHSTAT TEXT, CHSTATD TEXT, CHSTAT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_CHSTAT VALUES ('P', 'PASSED', '', 'COMDB');
COMMIT;
)";

class CompEditorFixture : public QObject {
  protected:
    using C = EditorCommand;

    std::unique_ptr<SharedCodes> codes;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<ScriptedFileDialogs> dialogs;
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<CChooseDB> launcher;
    CComponentPropertySheet* editor = nullptr;

    bool OpenCodes() {
        codes = std::make_unique<SharedCodes>(kCompCodes);
        return codes->Opened();
    }
    bool OpenEditor() {
        messages = std::make_unique<MessageRecorder>();
        dialogs = std::make_unique<ScriptedFileDialogs>();
        dir = std::make_unique<TempDir>();
        CComponentPropertySheet::Register();
        launcher = std::make_unique<CChooseDB>();
        launcher->OnComponent();
        editor = qobject_cast<CComponentPropertySheet*>(launcher->Editor(EditorType::Component));
        if (!editor || !editor->isVisible()) return false;
        messages->Clear();
        return true;
    }
    void CloseEditor() {
        launcher.reset();
        editor = nullptr;
        dir.reset();
        dialogs.reset();
        messages.reset();
    }

    CCompData& Data() { return editor->Data(); }
    void Load(const std::string& path) {
        dialogs->Answer(path);
        editor->Run(C::LoadTest);
    }
    void Save(const std::string& path) {
        dialogs->Answer(path);
        editor->Run(C::SaveTest);
    }
    // Every page in front once, and every record of the record pages.
    void ShowEverything() {
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            auto* page = qobject_cast<CRecordPage*>(editor->Page(i));
            if (!page || !page->Navigator()) continue;
            for (int r = 0; r < page->Navigator()->Count(); ++r)
                page->Navigator()->OnListSelected(r);
        }
        editor->ShowPage(0);
    }
};

}  // namespace vantor::test
