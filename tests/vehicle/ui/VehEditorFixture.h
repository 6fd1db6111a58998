#pragma once
// The vehicle editor opened through the launcher, with recorded messages,
// scripted file dialogs and the codes its tests look up: what every vehicle
// editor test starts from. A test class derives from it and calls
// OpenEditor/CloseEditor from init/cleanup.
#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "codes/ui/CSearch.h"
#include "launcher/CChooseDB.h"
#include "support/ui/UiTestSupport.h"
#include "vehicle/ui/CVehBarPage.h"
#include "vehicle/ui/CVehInstPage.h"
#include "vehicle/ui/CVehIntrPage.h"
#include "vehicle/ui/CVehOccPage.h"
#include "vehicle/ui/CVehRestPage.h"
#include "vehicle/ui/CVehTestPage.h"
#include "vehicle/ui/CVehVehPage.h"
#include "vehicle/ui/CVehiclePropertySheet.h"
#include "widgets/CNEdit.h"
#include "widgets/FileDialogs.h"

namespace vantor::test {

// The codes of a valid new test, the configurations the page rules turn
// on, and the locations, axes and units of the look-ups.
inline constexpr const char* kVehCodes = R"(
BEGIN;
CREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);
INSERT INTO DATABASE_VERSION VALUES ('2009.1');
CREATE TABLE KORVADB_TSTCFN (TSTCFN TEXT, TSTCFND TEXT, TSTCFN_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTCFN VALUES ('VTB', 'VEHICLE TO BARRIER', '', 'VEHDB');
INSERT INTO KORVADB_TSTCFN VALUES ('VTV', 'VEHICLE TO VEHICLE', '', 'VEHDB');
INSERT INTO KORVADB_TSTCFN VALUES ('PTV', 'POLE TO VEHICLE', '', 'VEHDB');
INSERT INTO KORVADB_TSTCFN VALUES ('FCW', 'FORWARD COLLISION WARNING', '', 'VEHDB');
INSERT INTO KORVADB_TSTCFN VALUES ('DRO', 'DYNAMIC ROLLOVER', '', 'VEHDB');
CREATE TABLE KORVADB_RECTYP (RECTYP TEXT, RECTYPD TEXT, RECTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_RECTYP VALUES ('DDA', 'DIGITAL DATA ACQUISITION', '', 'VEHDB');
CREATE TABLE KORVADB_LINK (LINK TEXT, LINKD TEXT, LINK_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_LINK VALUES ('UMB', 'UMBILICAL', '', 'VEHDB');
CREATE TABLE KORVADB_MAKE (MAKE TEXT, MAKED TEXT, MAKE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_MAKE VALUES ('11', 'HONDA', '', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('32', 'POLE', '', 'VEHDB');
CREATE TABLE KORVADB_MODEL (MODEL TEXT, MODELD TEXT, MODEL_COMMENT TEXT, MAKE TEXT,
                            REFERENCE TEXT);
INSERT INTO KORVADB_MODEL VALUES ('01', 'ACCORD', '', '11', 'VEHDB');
INSERT INTO KORVADB_MODEL VALUES ('02', 'CIVIC', '', '11', 'VEHDB');
INSERT INTO KORVADB_MODEL VALUES ('05', 'POLE', '', '32', 'VEHDB');
CREATE TABLE KORVADB_OCCLOC (OCCLOC TEXT, OCCLOCD TEXT, OCCLOC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_OCCLOC VALUES ('01', 'DRIVER', '', 'VEHDB');
INSERT INTO KORVADB_OCCLOC VALUES ('02', 'MIDDLE FRONT', '', 'VEHDB');
INSERT INTO KORVADB_OCCLOC VALUES ('03', 'RIGHT FRONT', '', 'VEHDB');
CREATE TABLE KORVADB_RSTTYP (RSTTYP TEXT, RSTTYPD TEXT, RSTTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_RSTTYP VALUES ('ABG', 'AIR BAG', '', 'VEHDB');
INSERT INTO KORVADB_RSTTYP VALUES ('3PT', 'THREE POINT BELT', '', 'VEHDB');
INSERT INTO KORVADB_RSTTYP VALUES ('LAPB', 'LAP BELT AND BAG', '', 'VEHDB');
CREATE TABLE KORVADB_DEPLOY (DEPLOY TEXT, DEPLOYD TEXT, DEPLOY_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_DEPLOY VALUES ('DEP', 'DEPLOYED', '', 'VEHDB');
INSERT INTO KORVADB_DEPLOY VALUES ('NA', 'NOT APPLICABLE', '', 'VEHDB');
CREATE TABLE KORVADB_SENTYP (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENTYP VALUES ('AC', 'ACCELEROMETER', '', 'VEHDB');
CREATE TABLE KORVADB_SENLOC (SENLOC TEXT, SENLOCD TEXT, SENLOC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENLOC VALUES ('01', 'DRIVER', '', 'VEHDB');
INSERT INTO KORVADB_SENLOC VALUES ('03', 'RIGHT FRONT', '', 'VEHDB');
INSERT INTO KORVADB_SENLOC VALUES ('OT', 'OTHER', '', 'VEHDB');
INSERT INTO KORVADB_SENLOC VALUES ('NA', 'NOT APPLICABLE', '', 'VEHDB');
INSERT INTO KORVADB_SENLOC VALUES ('T1', 'TARGET 1', '', 'FCW DRO');
INSERT INTO KORVADB_SENLOC VALUES ('T2', 'TARGET 2', '', 'FCW DRO');
INSERT INTO KORVADB_SENLOC VALUES ('T3', 'TARGET 3', '', 'FCW DRO');
INSERT INTO KORVADB_SENLOC VALUES ('DL', 'DRIVER LEFT', '', 'DRO');
CREATE TABLE KORVADB_AXIS (AXIS TEXT, AXISD TEXT, AXIS_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_AXIS VALUES ('XG', 'X GLOBAL', '', 'VEHDB');
INSERT INTO KORVADB_AXIS VALUES ('HY', 'HEADWAY', '', 'FCW');
INSERT INTO KORVADB_AXIS VALUES ('PA', 'PEDAL APPLICATION', '', 'FCW');
INSERT INTO KORVADB_AXIS VALUES ('FG', 'FLAG', '', 'FCW');
INSERT INTO KORVADB_AXIS VALUES ('LA', 'LATERAL ACCELERATION', '', 'DRO');
INSERT INTO KORVADB_AXIS VALUES ('XX', 'NOT AN FCW AXIS', '', 'FCW');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'VEHDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('FET', 'FEET', '', 'VEHDB', 'LENGTH', 'ENG');
INSERT INTO KORVADB_UNITS VALUES ('BLN', 'BOOLEAN', '', 'VEHDB', 'STATE', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'VEHDB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('V', 'VOLTS', '', 'VEHDB', 'VOLTAGE', 'MET');
CREATE TABLE KORVADB_BARSHP (BARSHP TEXT, BARSHPD TEXT, BARSHP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_BARSHP VALUES ('FLB', 'FLAT BARRIER', '', 'VEHDB');
CREATE TABLE KORVADB_VEHIP (VEHIP TEXT, VEHIPD TEXT, VEHIP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_VEHIP VALUES ('P1', 'LEFT TOE PAN', '', 'INTRUSIONDB');
COMMIT;
)";

// Types into a field as the keyboard does.
inline void TypeIntoField(CNEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

class VehEditorFixture : public QObject {
  protected:
    using C = EditorCommand;

    std::unique_ptr<SharedCodes> codes;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<ScriptedFileDialogs> dialogs;
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<CChooseDB> launcher;
    CVehiclePropertySheet* editor = nullptr;

    bool OpenCodes() {
        codes = std::make_unique<SharedCodes>(kVehCodes);
        return codes->Opened();
    }
    // A new vehicle editor, as the launcher opens it.
    bool OpenEditor() {
        messages = std::make_unique<MessageRecorder>();
        dialogs = std::make_unique<ScriptedFileDialogs>();
        dir = std::make_unique<TempDir>();
        CVehiclePropertySheet::Register();
        launcher = std::make_unique<CChooseDB>();
        launcher->OnVehicle();
        editor = qobject_cast<CVehiclePropertySheet*>(launcher->Editor(EditorType::Vehicle));
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

    CVehData& Data() { return editor->Data(); }
    int IndexOf(QWidget* page) { return editor->Tabs()->indexOf(page); }
    void Show(QWidget* page) { editor->ShowPage(IndexOf(page)); }

    void Load(const std::string& path) {
        dialogs->Answer(path);
        editor->Run(C::LoadTest);
    }
    void Save(const std::string& path, C command = C::SaveTest) {
        dialogs->Answer(path);
        editor->Run(command);
    }
    // Puts a configuration into the General Test Info page as its search
    // would, and leaves the page for `next`.
    void SetConfiguration(const std::string& config, QWidget* next) {
        Show(editor->TestPage());
        editor->TestPage()->Fields()->Edit(kTestConfiguration)->SetText(config);
        Show(next);
    }
    // Runs what a search button opens; true when a window opened. It picks
    // the row starting with `pick` (or cancels) and hands back the codes it
    // listed.
    bool Find(QPushButton* button, const QString& pick = {}, QStringList* listed = nullptr) {
        bool seen = false;
        WhenModalOpens(
            [pick, listed](QWidget* w) {
                auto* search = qobject_cast<CSearch*>(w);
                if (!search) {
                    w->close();
                    return;
                }
                search->Populate();
                if (listed)
                    for (const auto& row : search->Rows())
                        *listed << QString::fromStdString(row[0]);
                if (pick.isEmpty()) return search->reject();
                QTest::keyClicks(search->QuickSearchField(), pick);
                search->OnOK();
            },
            &seen);
        button->click();
        QApplication::processEvents();
        return seen;
    }
    // Shows every page, and every record of the pages with records, as the
    // user would look through a test.
    void ShowEverything() {
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            auto* page = qobject_cast<CRecordPage*>(editor->Page(i));
            if (!page || !page->Navigator()) continue;
            for (int r = 0; r < page->Navigator()->Count(); ++r)
                page->Navigator()->OnListSelected(r);
        }
        if (editor->VehPage()->VehicleNumber()->isEnabled()) {
            Show(editor->VehPage());
            editor->VehPage()->VehicleNumber()->setValue(2);
            editor->VehPage()->VehicleNumber()->setValue(1);
        }
        editor->ShowPage(0);
    }
};

}  // namespace vantor::test
