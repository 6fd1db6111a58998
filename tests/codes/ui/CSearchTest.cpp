#include "codes/ui/CSearch.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "codes/ui/SearchReference.h"
#include "support/ui/UiTestSupport.h"
#include "widgets/CListCtrlEx.h"

using namespace vantor;
using Strings = std::vector<std::string>;

Q_DECLARE_METATYPE(Strings)

namespace {

// Each heading with its width; the last column stretches to the window's
// edge and shows the width it was given when it is wider.
QStringList Headings(const CListCtrlEx* list, const QStringList& expected) {
    QStringList headings;
    for (int c = 0; c < list->columnCount(); ++c) {
        int width = list->columnWidth(c);
        if (c == list->columnCount() - 1 && c < expected.size()) {
            const int given = expected[c].section(' ', -1).toInt();
            if (width >= given) width = given;
        }
        headings << list->horizontalHeaderItem(c)->text() + " " + QString::number(width);
    }
    return headings;
}

QStringList Cells(const CListCtrlEx* list, int row) {
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c)
        cells << list->CellText(row, c);
    return cells;
}

// A row of a data-driven test, its cells in column order.
template <typename... T>
void Row(const char* name, const T&... cells) {
    (QTest::newRow(name) << ... << cells);
}

int SelectedRow(const CListCtrlEx* list) {
    auto rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

}  // namespace

// The search window driven directly: its modes, the quick search and the
// results it hands back.
class CSearchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SharedCodes> codes;

  private slots:
    void initTestCase() {
        codes = std::make_unique<test::SharedCodes>();
        QVERIFY(codes->Opened());
    }
    void cleanupTestCase() { codes.reset(); }

    void quickSearchJumpsWithoutFiltering() {
        test::MessageRecorder messages;
        CSearch search(nullptr, "MAKE", "VEHDB");
        search.Populate();
        CListCtrlEx* list = search.List();
        QCOMPARE(search.windowTitle(), QString("MAKE Search"));
        QCOMPARE(list->rowCount(), 6);  // TRK is a component make
        QCOMPARE(SelectedRow(list), -1);

        QTest::keyClicks(search.QuickSearchField(), "mu");
        QCOMPARE(SelectedRow(list), 2);  // "MUA " found case-blind
        QCOMPARE(list->rowCount(), 6);
        QTest::keyClick(search.QuickSearchField(), 'q');  // no code begins with MUQ
        QCOMPARE(SelectedRow(list), 2);
        QTest::keyClick(search.QuickSearchField(), Qt::Key_Backspace);
        QTest::keyClick(search.QuickSearchField(), Qt::Key_Backspace);
        QTest::keyClick(search.QuickSearchField(), 'x');
        QCOMPARE(SelectedRow(list), 4);  // MXX

        // A click writes its code without searching; typing back to the text
        // searched last moves nothing.
        list->selectRow(3);
        search.OnRowClicked(3);
        QCOMPARE(search.QuickSearchField()->text(), QString("MUB"));
        QCOMPARE(SelectedRow(list), 3);
        search.QuickSearchField()->setText("MX");
        QCOMPARE(SelectedRow(list), 3);
        search.QuickSearchField()->setText("  mu ");
        QCOMPARE(SelectedRow(list), 2);
        QVERIFY(messages.All().empty());
    }

    void okHandsBackTheSelectedRow() {
        CSearch search(nullptr, "MAKE", "VEHDB");
        search.Populate();
        QTest::keyClicks(search.QuickSearchField(), "MU");
        search.OkButton()->click();
        QCOMPARE(search.result(), int(QDialog::Accepted));
        QCOMPARE(search.GetSelectedCode(), std::string("MUA"));
        QCOMPARE(search.GetSelectedDescription(), std::string("MU ALPHA"));
        QCOMPARE(search.SelectedColumn(3), std::string("first MU"));
        QCOMPARE(search.SelectedColumn(4), std::string("MAKE"));
        QCOMPARE(search.GetSelectedUnits(), std::string());
        QCOMPARE(search.SelectedRow(), 2);

        CSearch none(nullptr, "MAKE", "VEHDB");
        none.Populate();
        none.OkButton()->click();
        QCOMPARE(none.result(), int(QDialog::Rejected));

        CSearch clear(nullptr, "MAKE", "VEHDB");
        clear.Populate();
        QTest::keyClicks(clear.QuickSearchField(), "B");
        clear.ClearEntryButton()->click();
        QCOMPARE(clear.result(), int(QDialog::Accepted));
        QCOMPARE(clear.GetSelectedCode(), std::string());
        QCOMPARE(clear.SelectedRow(), -1);

        CSearch twice(nullptr, "MAKE", "VEHDB");
        twice.Populate();
        twice.OnRowDoubleClicked(5);  // a double click on a row not selected yet
        QCOMPARE(twice.result(), int(QDialog::Rejected));
        twice.List()->selectRow(5);
        twice.OnRowDoubleClicked(5);
        QCOMPARE(twice.result(), int(QDialog::Accepted));
        QCOMPARE(twice.GetSelectedCode(), std::string("ZED"));
    }

    void modes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("attachment");
        QTest::addColumn<Strings>("allowed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QStringList>("firstRow");
        QTest::addColumn<QString>("noRows");
        const QStringList standard{"Code 70", "Description 300", "Comments 250", "Code Name 80"};
        Row("standard", "TSTTYP", "SWGDB", "", false, Strings{}, "TSTTYP Search", standard,
            QStringList{"CAL", "CALIBRATION", "", "TSTTYP"}, "");
        Row("standard, none", "TSTTYP", "BIODB", "", false, Strings{}, "TSTTYP Search", standard,
            QStringList{}, "No Data Fetched.\n\r");
        Row("custom statement", "SENATT", "",
            "SELECT DISTINCT SENATT,SENATTD,SENATT_COMMENT FROM SENATTCODE1", false, Strings{},
            "SENATT Search", standard, QStringList{"HDAC", "HEAD ACCEL", "skull", "SENATT"}, "");
        Row("channel type", "CHANTYP", "TCADB", "", false, Strings{}, "CHANTYP Search",
            QStringList{"Code 50", "Description 250", "Comments 250", "ISO IS 30", "UNITS 30"},
            QStringList{"SPD", "SPEED", "vehicle speed", "VE", "KPH"}, "");
        Row("allowed codes", "MAKE", "VEHDB", "", false, Strings{"ZED", "BMW"}, "MAKE Search",
            standard, QStringList{"BMW", "BAYERISCHE MOTOREN WERKE", "", "MAKE"}, "");
        Row("allowed, none", "MAKE", "VEHDB", "", false, Strings{"TRK"}, "MAKE Search", standard,
            QStringList{},
            "No Data Retrieved.\n\rSELECT MAKE, MAKED, MAKE_COMMENT FROM KORVADB_MAKE WHERE "
            "REFERENCE LIKE '%VEHDB%' AND MAKE IN ('TRK') ORDER BY MAKE");
        Row("attachments of a unit", "SENATT", "BIODB",
            "SELECT SENATT,SENLOC,SENATTD,SENATT_COMMENT FROM SENATTCODE1 WHERE UNITS LIKE '%DEG%' "
            "ORDER BY SENATT",
            true, Strings{}, "SENATT Search",
            QStringList{"SENATT 60", "SENLOC 180", "SENATTD 110", "SENATT_COMMENT 90"},
            QStringList{"HDAC", "HD ( HEAD CENTRE )", "HEAD ANGLE", ""}, "");
        Row("Y units", "BIO_YUNITS", "HDAC", "", false, Strings{}, "BIO_YUNITS Search",
            QStringList{"UNITS 60", "UNITSD 180", "MEASUREMENT_TYPE 180"},
            QStringList{"DEG", "DEGREES", "ANGLE"}, "");
        Row("Y units, none", "BIO_YUNITS", "NOPE", "", false, Strings{}, "BIO_YUNITS Search",
            QStringList{"UNITS 60", "UNITSD 180", "MEASUREMENT_TYPE 180"}, QStringList{},
            "No Data Catched.\n\rSELECT SENLOC, UNITS, SENATTD FROM SENATTCODE1 WHERE SENATT LIKE "
            "'%NOPE%' ORDER BY UNITS ");
        Row("sensor locations", "BIO_SENLOC", "WHERE SENATT LIKE '%HDAC%' AND UNITS LIKE '%DEG%'",
            "", false, Strings{}, "SENLOC Search",
            QStringList{"SENLOC 60", "SENLOCD 180", "SENLOC_COMMENT 180"},
            QStringList{"CH", "CHEST", ""}, "");
    }
    void modes() {
        QFETCH(QString, code);
        QFETCH(QString, reference);
        QFETCH(QString, sql);
        QFETCH(bool, attachment);
        QFETCH(Strings, allowed);
        QFETCH(QString, title);
        QFETCH(QStringList, headings);
        QFETCH(QStringList, firstRow);
        QFETCH(QString, noRows);
        test::MessageRecorder messages;
        std::unique_ptr<CSearch> search;
        if (allowed.empty())
            search = std::make_unique<CSearch>(nullptr, code.toStdString(), reference.toStdString(),
                                               sql.toStdString(), attachment);
        else
            search = std::make_unique<CSearch>(nullptr, code.toStdString(), reference.toStdString(),
                                               allowed);
        search->Populate();
        QCOMPARE(search->windowTitle(), title);
        QCOMPARE(Headings(search->List(), headings), headings);
        if (firstRow.isEmpty())
            QCOMPARE(search->List()->rowCount(), 0);
        else
            QCOMPARE(Cells(search->List(), 0), firstRow);
        if (noRows.isEmpty()) {
            QVERIFY(messages.All().empty());
        } else {
            QCOMPARE(messages.All().size(), size_t(1));
            QCOMPARE(QString::fromStdString(messages.All()[0].text), noRows);
            QCOMPARE(messages.All()[0].caption, std::string());
        }
    }

    // The chosen row hands back its code and, as the description, its
    // location: the attachment's own, or the one a unit has alone.
    void attachmentAndYUnitsDescribeTheLocation() {
        CSearch attached(nullptr, "SENATT", "BIODB",
                         "SELECT SENATT,SENLOC,SENATTD,SENATT_COMMENT FROM SENATTCODE1 WHERE "
                         "UNITS LIKE '%G''S%' ORDER BY SENATT",
                         true);
        CSearch units(nullptr, "BIO_YUNITS", "HDAC");
        attached.Populate();
        units.Populate();
        QCOMPARE(attached.List()->rowCount(), 2);
        QCOMPARE(attached.List()->CellText(1, 1), QString("QQ"));  // not a BIODB location
        QCOMPARE(units.List()->rowCount(), 2);                     // FPS is no metric unit
        const struct {
            CSearch* search;
            int row;
            const char *code, *description;
        } cases[] = {{&attached, 0, "HDAC", "HD "},
                     {&attached, 1, "STRN", "QQ"},
                     {&units, 0, "DEG", ""},  // degrees come with two locations
                     {&units, 1, "G'S", "HD"}};
        for (const auto& c : cases) {
            c.search->List()->selectRow(c.row);
            c.search->OnOK();
            QCOMPARE(c.search->GetSelectedCode(), std::string(c.code));
            QCOMPARE(c.search->GetSelectedDescription(), std::string(c.description));
        }
    }

    void attachmentWithoutRowsClosesAtOnce() {
        test::MessageRecorder messages;
        const std::string sql =
            "SELECT SENATT,SENLOC,SENATTD,SENATT_COMMENT FROM SENATTCODE1 WHERE UNITS LIKE "
            "'%NWT%' ORDER BY SENATT";
        CSearch search(nullptr, "SENATT", "BIODB", sql, true);
        QCOMPARE(search.exec(), int(QDialog::Accepted));
        QVERIFY(search.ClosesAtOnce());
        QCOMPARE(search.GetSelectedCode(), std::string());
        QCOMPARE(messages.Texts(),
                 Strings{"No related SENLOC Data Found for this UNIT.\n\r" + sql});
    }

    void listModesSortAndDropRepeats() {
        CSearch search(nullptr, "ListCompCompData", {"2", "10", "9", "2", " 2", "2"},
                       {"B", "A", "A", "A", "B ", "A"}, {"X", "Y", "Z", "W", "X", "W"},
                       {"one", "two", "three", "four", "five", "six"});
        search.Populate();
        QCOMPARE(search.windowTitle(), QString("VEHNO and COMPNO Search"));
        const QStringList components{"Vehicle # 90", "Component # 110", "Component Code 150",
                                     "Component Comment 240"};
        QCOMPARE(Headings(search.List(), components), components);
        QStringList firsts;
        for (int r = 0; r < search.List()->rowCount(); ++r)
            firsts << Cells(search.List(), r).join(",");
        QCOMPARE(firsts, (QStringList{"10,A,Y,two", "2,A,W,four", "2,B,X,one", "9,A,Z,three"}));
        QCOMPARE(search.List()->item(0, 2)->textAlignment(), int(Qt::AlignCenter));

        // The component number is what a click (or OK) chooses.
        search.List()->selectRow(2);
        search.OnRowClicked(2);
        QCOMPARE(search.QuickSearchField()->text(), QString("B"));
        search.OnOK();
        QCOMPARE(search.GetSelectedCode(), std::string("B"));

        CSearch configs(nullptr, "ListCompInstConfData", {"1", "1"}, {"3", "3"}, {"7", "8"},
                        {"", ""});
        configs.Populate();
        QCOMPARE(configs.windowTitle(), QString("VEHNO, COMPNO and CONFNO Search"));
        const QStringList configurations{"Vehicle # 80", "Component # 110", "Configuration # 140",
                                         "Comment 250"};
        QCOMPARE(Headings(configs.List(), configurations), configurations);
        QTest::keyClicks(configs.QuickSearchField(), "1");
        configs.OnOK();  // chosen by the quick search, not by a click
        QCOMPARE(configs.GetSelectedCode(), std::string("7"));
    }

    void vehicleNumberSelection_data() {
        QTest::addColumn<QString>("config");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("korvaHeading");
        Row("barrier test", "VTB", 0,
            QStringList{"0,,,,,Neither a vehicle nor an impactor; e.g., a barrier.",
                        "1,M1,D1,2001,K1,c1"},
            "KORVA No");
        Row("vehicle to vehicle", "VTV", 0, QStringList{"1,M1,D1,2001,K1,c1", "2,M2,D2,2002,K2,c2"},
            "KORVA No");
        Row("component test", "", 1, QStringList{"0,M0,D0,2000,K0,c0", "1,M1,D1,2001,K1,c1"},
            "KORVA No.");
    }
    void vehicleNumberSelection() {
        QFETCH(QString, config);
        QFETCH(int, mode);
        QFETCH(QStringList, rows);
        QFETCH(QString, korvaHeading);
        std::vector<SearchReference::Vehicle> vehicles;
        for (int n = 0; n < 3; ++n) {
            const std::string i = std::to_string(n);
            vehicles.push_back({"M" + i, "D" + i, "200" + i, "K" + i, "c" + i});
        }
        SearchReference pick(nullptr, config.toStdString(), vehicles, mode);
        QCOMPARE(pick.windowTitle(), QString("VEHNO Selection"));
        QCOMPARE(pick.List()->horizontalHeaderItem(4)->text(), korvaHeading);
        QStringList shown;
        for (int r = 0; r < pick.List()->rowCount(); ++r)
            shown << Cells(pick.List(), r).join(",");
        QCOMPARE(shown, rows);

        pick.List()->selectRow(1);
        QCOMPARE(pick.ChosenField()->text(), rows[1].section(',', 0, 0));
        pick.OkButton()->click();
        QCOMPARE(pick.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(pick.GetVehicleNumber()), rows[1].section(',', 0, 0));

        pick.ClearEntryButton()->click();
        QCOMPARE(pick.result(), int(QDialog::Accepted));
        QCOMPARE(pick.GetVehicleNumber(), std::string());
        QVERIFY(pick.ChosenField()->text().isEmpty());
    }

    void vehicleNumberNeedsARow() {
        SearchReference pick(nullptr, "VTV", {}, 0);  // no vehicle data at all
        QCOMPARE(pick.List()->rowCount(), 2);
        pick.OkButton()->click();
        QCOMPARE(pick.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(CSearchTest)
#include "CSearchTest.moc"
