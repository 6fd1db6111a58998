#pragma once
// Helpers of the UI tests: a codes database opened as the program's shared
// connection, and acting on a modal window once it is up.
#include <QApplication>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "codes/CodesDatabase.h"
#include "codes/CodesTestDatabase.h"
#include "support/TestSupport.h"

namespace vantor::test {

// The codes the editor tests look up: SWG codes, a few makes for the quick
// search, and the sensor tables of the dependent look-ups.
inline constexpr const char* kUiCodes = R"(
BEGIN;
CREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);
INSERT INTO DATABASE_VERSION VALUES ('2009.1');
CREATE TABLE KORVADB_TSTTYP (TSTTYP TEXT, TSTTYPD TEXT, TSTTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTTYP VALUES ('CAL', 'CALIBRATION', '', 'SWGDB');
INSERT INTO KORVADB_TSTTYP VALUES ('CHK', 'CHECK', '', 'SWGDB');
INSERT INTO KORVADB_TSTTYP VALUES ('NCA', 'NCAP', '', 'VEHDB');
CREATE TABLE KORVADB_TSTPRF (TSTPRF TEXT, TSTPRFD TEXT, TSTPRF_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTPRF VALUES ('TRC', 'TEST CENTRE', '', 'VEHDB SWGDB');
CREATE TABLE KORVADB_RECTYP (RECTYP TEXT, RECTYPD TEXT, RECTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_RECTYP VALUES ('DAS', 'DATA ACQUISITION', '', 'SWGDB');
CREATE TABLE KORVADB_LINK (LINK TEXT, LINKD TEXT, LINK_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_LINK VALUES ('FIB', 'FIBRE', '', 'SWGDB');
CREATE TABLE KORVADB_SIGSRC (SIGSRC TEXT, SIGSRCD TEXT, SIGSRC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SIGSRC VALUES ('SWG', 'WAVE GENERATOR', '', 'SWGDB');
CREATE TABLE KORVADB_SENTYP (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENTYP VALUES ('ET', 'EXCITATION', '', 'SWGDB');
INSERT INTO KORVADB_SENTYP VALUES ('LL', 'LOW LEVEL', '', 'SWGDB');
CREATE TABLE KORVADB_SENLOC (SENLOC TEXT, SENLOCD TEXT, SENLOC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENLOC VALUES ('CHAN', 'CHANNEL', '', 'SWGDB');
INSERT INTO KORVADB_SENLOC VALUES ('HD', 'HEAD CENTRE', '', 'BIODB');
INSERT INTO KORVADB_SENLOC VALUES ('CH', 'CHEST', '', 'BIODB');
CREATE TABLE KORVADB_SENATT (SENATT TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENATT VALUES ('SWGA', 'GENERATOR A', '', 'SWGDB');
CREATE TABLE KORVADB_AXIS (AXIS TEXT, AXISD TEXT, AXIS_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_AXIS VALUES ('XG', 'X GLOBAL', '', 'SWGDB');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('DEG', 'DEGREES', '', 'SWGDB BIODB', 'ANGLE', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'SWGDB BIODB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('MSC', 'MILLISECONDS', '', 'SWGDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'SWGDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('V', 'VOLTS', '', 'SWGDB', 'VOLTAGE', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('FPS', 'FEET PER SECOND', '', 'BIODB', 'VELOCITY', 'ENG');
CREATE TABLE KORVADB_DASTAT (DASTAT TEXT, DASTATD TEXT, DASTAT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_DASTAT VALUES ('AM', 'AMENDED', '', 'SWGDB');
CREATE TABLE KORVADB_CHSTAT (CHSTAT TEXT, CHSTATD TEXT, CHSTAT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_CHSTAT VALUES ('OK', 'GOOD', '', 'SWGDB');
CREATE TABLE KORVADB_MAKE (MAKE TEXT, MAKED TEXT, MAKE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_MAKE VALUES ('AUDI', 'AUDI AG', '', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('BMW', 'BAYERISCHE MOTOREN WERKE', '', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('MUA ', 'MU ALPHA', ' first MU ', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('MUB', 'MU BETA', '', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('MXX', 'EM EX', '', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('ZED', 'ZED MOTORS', '', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('TRK', 'TRUCKS ONLY', '', 'COMDB');
CREATE TABLE KORVADB_CHANTYP (CHANTYP TEXT, CHANTYPD TEXT, CHANTYP_COMMENT TEXT, REFERENCE TEXT,
                              ISOSI TEXT, UNITS TEXT);
INSERT INTO KORVADB_CHANTYP VALUES ('SPD', 'SPEED', 'vehicle speed', 'TCADB', 'VE', 'KPH');
CREATE TABLE SENATTCODE1 (SENATT TEXT, SENLOC TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENATTCODE1 VALUES ('HDAC', 'HD', 'HEAD ACCEL', 'skull', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('HDAC', 'HD', 'HEAD ANGLE', '', 'DEG');
INSERT INTO SENATTCODE1 VALUES ('HDAC', 'CH', 'HEAD ANGLE', '', 'DEG');
INSERT INTO SENATTCODE1 VALUES ('HDAC', 'XX', 'HEAD SPEED', '', 'FPS');
INSERT INTO SENATTCODE1 VALUES ('STRN', 'QQ', 'STRAIN', '', 'G''S');
COMMIT;
)";

// A codes database written for the test and opened as the shared
// connection for the lifetime of the object.
class SharedCodes {
  public:
    explicit SharedCodes(const std::string& sql = kUiCodes) {
        path_ = WriteCodesDatabase(dir_.Path("ncodes.mdb"), sql);
        opened_ = OpenCodesDatabase(path_);
    }
    ~SharedCodes() { CloseCodesDatabase(); }
    bool Opened() const { return opened_; }

  private:
    TempDir dir_;
    std::string path_;
    bool opened_ = false;
};

// Pages of a PDF file as its page objects count them.
inline int PdfPages(const std::string& path) {
    const QString pdf = QString::fromLatin1(QByteArray::fromStdString(ReadBytes(path)));
    static const QRegularExpression page("/Type\\s*/Page(?![a-zA-Z])");
    int pages = 0;
    for (auto it = page.globalMatch(pdf); it.hasNext(); it.next())
        ++pages;
    return pages;
}

// Acts on the next modal window as soon as it is up. `seen` (when given) is
// set when there was one; a test then knows the window did open.
inline void WhenModalOpens(std::function<void(QWidget*)> act, bool* seen = nullptr) {
    if (seen) *seen = false;
    QTimer::singleShot(0, [act = std::move(act), seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (seen) *seen = true;
        act(modal);
    });
}

}  // namespace vantor::test
