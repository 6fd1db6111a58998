#pragma once
// Helpers of the UI tests: a codes database opened as the program's shared
// connection, and acting on a modal window once it is up.
#include <QApplication>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "codes/CodesDatabase.h"
#include "codes/CodesTestDatabase.h"
#include "support/TestSupport.h"

namespace vantor::test {

// The plain code tables KORVADB_<TABLE> (code, description, comment,
// reference) and the database version, from rows written one a line as
// "TABLE code|description|comment|reference"; each table is made where it
// first appears and keeps its rows in order.
inline std::string CodeTables(std::string_view rows) {
    auto quoted = [](std::string_view value) {
        std::string q = "'";
        for (char c : value)
            q += c == '\'' ? std::string("''") : std::string(1, c);
        return q + "'";
    };
    std::string sql =
        "BEGIN;\nCREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);\n"
        "INSERT INTO DATABASE_VERSION VALUES ('2009.1');\n";
    std::set<std::string, std::less<>> made;
    for (size_t at = 0; at < rows.size();) {
        size_t end = rows.find('\n', at);
        if (end == std::string_view::npos) end = rows.size();
        const std::string_view line = rows.substr(at, end - at);
        at = end + 1;
        const size_t space = line.find(' ');
        if (line.empty() || space == std::string_view::npos) continue;
        const std::string table(line.substr(0, space));
        if (made.insert(table).second)
            sql += "CREATE TABLE KORVADB_" + table + " (" + table + " TEXT, " + table + "D TEXT, " +
                   table + "_COMMENT TEXT, REFERENCE TEXT);\n";
        sql += "INSERT INTO KORVADB_" + table + " VALUES (";
        std::string_view cells = line.substr(space + 1);
        for (size_t bar; (bar = cells.find('|')) != std::string_view::npos;
             cells.remove_prefix(bar + 1))
            sql += quoted(cells.substr(0, bar)) + ", ";
        sql += quoted(cells) + ");\n";
    }
    return sql + "COMMIT;\n";
}

// The codes the editor tests look up: SWG codes, a few makes for the quick
// search, and the sensor tables of the dependent look-ups.
inline const std::string kUiCodes = CodeTables(R"(
TSTTYP CAL|CALIBRATION||SWGDB
TSTTYP CHK|CHECK||SWGDB
TSTTYP NCA|NCAP||VEHDB
TSTPRF TRC|TEST CENTRE||VEHDB SWGDB
RECTYP DAS|DATA ACQUISITION||SWGDB
LINK FIB|FIBRE||SWGDB
SIGSRC SWG|WAVE GENERATOR||SWGDB
SENTYP ET|EXCITATION||SWGDB
SENTYP LL|LOW LEVEL||SWGDB
SENLOC CHAN|CHANNEL||SWGDB
SENLOC HD|HEAD CENTRE||BIODB
SENLOC CH|CHEST||BIODB
SENATT SWGA|GENERATOR A||SWGDB
AXIS XG|X GLOBAL||SWGDB
DASTAT AM|AMENDED||SWGDB
CHSTAT OK|GOOD||SWGDB
MAKE AUDI|AUDI AG||VEHDB
MAKE BMW|BAYERISCHE MOTOREN WERKE||VEHDB
MAKE MUA |MU ALPHA| first MU |VEHDB
MAKE MUB|MU BETA||VEHDB
MAKE MXX|EM EX||VEHDB
MAKE ZED|ZED MOTORS||VEHDB
MAKE TRK|TRUCKS ONLY||COMDB
)") + R"(
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('DEG', 'DEGREES', '', 'SWGDB BIODB', 'ANGLE', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'SWGDB BIODB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('MSC', 'MILLISECONDS', '', 'SWGDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'SWGDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('V', 'VOLTS', '', 'SWGDB', 'VOLTAGE', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('FPS', 'FEET PER SECOND', '', 'BIODB', 'VELOCITY', 'ENG');
CREATE TABLE KORVADB_CHANTYP (CHANTYP TEXT, CHANTYPD TEXT, CHANTYP_COMMENT TEXT, REFERENCE TEXT,
                              ISOSI TEXT, UNITS TEXT);
INSERT INTO KORVADB_CHANTYP VALUES ('SPD', 'SPEED', 'vehicle speed', 'TCADB', 'VE', 'KPH');
CREATE TABLE SENATTCODE1 (SENATT TEXT, SENLOC TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENATTCODE1 VALUES ('HDAC', 'HD', 'HEAD ACCEL', 'skull', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('HDAC', 'HD', 'HEAD ANGLE', '', 'DEG');
INSERT INTO SENATTCODE1 VALUES ('HDAC', 'CH', 'HEAD ANGLE', '', 'DEG');
INSERT INTO SENATTCODE1 VALUES ('HDAC', 'XX', 'HEAD SPEED', '', 'FPS');
INSERT INTO SENATTCODE1 VALUES ('STRN', 'QQ', 'STRAIN', '', 'G''S');
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
