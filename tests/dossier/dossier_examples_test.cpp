// The dossier screen's worked examples: the examples menu, the notices and their grids,
// "VOIR CALCUL" and the rates each example gives.
#include "tests/dossier/dossier_steps.h"
#include "ui/colors.h"

#include <QtTest>

using kalmoris::Panel;
namespace colors = kalmoris::colors;
using namespace kalmoris::testing;

class DossierExamplesTest : public ScreenFixture {
  Q_OBJECT

  ScreenDriver d;

 private slots:
  void init() { d = openDossier(*this); }

  void noticesDrawTheirGrids_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("lastLine");
    QTest::newRow("example 1, nominal rate")
        << "Grille45a" << 2 << QStringList{"2", "2304.69", "180", "", "", "2304,69", "BLOC 2"};
    QTest::newRow("example 1, TEG")
        << "Grille45b" << 2 << QStringList{"2", "2304.69", "180", "89", "", "2393,69", "BLOC 2"};
    QTest::newRow("example 2") << "Grille98" << 3 << QStringList{"3", "2304.69", "179",   "89",
                                                                 "0", "2393,69", "BLOC 3"};
    QTest::newRow("example 3") << "Grille6" << 27
                               << QStringList{"27", "1005", "1", "10", "0", "1015", "BLOC 27"};
  }
  void noticesDrawTheirGrids() {
    QFETCH(QString, grid);
    QFETCH(int, lines);
    QFETCH(QStringList, lastLine);
    auto cell = [&](int line, int column) {
      return d.panel(QStringLiteral("%1_%2_%3").arg(grid).arg(line).arg(column));
    };
    for (int column = 1; column <= 6; ++column) {
      QCOMPARE(cell(0, column)->text(), QStringLiteral("Col %1").arg(column));
      QCOMPARE(cell(1, column)->text(), d.cell(column - 1, 0));
    }
    for (int line = 1; line <= lines; ++line)
      QCOMPARE(cell(line + 1, 0)->text(), QStringLiteral("Lg %1").arg(line));
    for (int column = 1; column <= 7; ++column)
      QCOMPARE(cell(lines + 1, column)->text(), lastLine[column - 1]);
    Panel* block = cell(lines + 1, 7);
    QCOMPARE(block->findChild<QLabel*>()->palette().color(QPalette::WindowText), colors::Red);
    QVERIFY2(!d.screen()->findChild<Panel*>(QStringLiteral("%1_%2_0").arg(grid).arg(lines + 2)),
             "no line beyond the last");
  }

  void examplesPrepareAnEmptyDossierUnderTheirMenu() {
    d.click("VOIR_EXEMPLES");
    d.click("BBt_VOIR_EX_5_");
    d.click("Bt_VOIR_CALCUL_5_");
    d.click("bt_valider");
    d.click("Bt_ICI_");
    QVERIFY(d.shown("Panel216"));
    const QString loanCost = d.text("Panel127");
    d.click("VOIR_EXEMPLES");
    d.click("BBt_VOIR_EX_5_");
    d.click("Bt_VOIR_CALCUL_5_");  // 27 groups written, the grid not yet resized
    d.click("VOIR_EXEMPLES");
    for (int row = 1; row <= 27; ++row)
      for (int col = 0; col < 6; ++col) QVERIFY(d.cell(col, row).isEmpty());
    for (const char* name : {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_remb_an", "ch_teg_ann",
                             "ch_fr1_txt", "ch_fr1_val", "Panel8", "Panel1", "Panel84"})
      QVERIFY2(d.text(name).isEmpty(), name);
    QCOMPARE(d.text("ch_grpv"), QString("2"));
    QVERIFY(!d.shown("Panel216"));
    QVERIFY(d.shown("Panel90"));
    QVERIFY(d.shown("Panel91"));
    QCOMPARE(d.place("Panel91"), QPoint(250, 0));
    QCOMPARE(d.text("Panel127"), loanCost);
    QVERIFY(d.button("effac_tout")->isEnabled());
  }

  void examplesMenuLeadsToEachNotice_data() {
    QTest::addColumn<int>("example");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("erase");
    QTest::newRow("simple") << 1 << "Panel45"
                            << "Bt_EFF_EXPLI_EX_1_";
    QTest::newRow("variant") << 2 << "Panel98"
                             << "Bt_EFF_EXPLI_EX_2_";
    QTest::newRow("periodicity") << 3 << "Panel6"
                                 << "Bt_EFF_EX_5_";
  }
  void examplesMenuLeadsToEachNotice() {
    QFETCH(int, example);
    QFETCH(QString, notice);
    QFETCH(QString, erase);
    openExampleNotice(d, example);
    QVERIFY(d.shown(notice));
    QCOMPARE(d.place(notice), QPoint(0, 0));
    QVERIFY(!d.shown("Panel91"));
    d.click(erase);
    QVERIFY(!d.shown(notice));
    QVERIFY(d.text("ch_capital").isEmpty());
    QCOMPARE(d.text("ch_grpv"), QString("2"));
  }

  void returnLeavesTheExamplesMenu() {
    d.click("VOIR_EXEMPLES");
    d.click("BBt_EFF_MENU_EX_");
    QVERIFY(!d.shown("Panel91"));
    for (const char* notice : {"Panel45", "Panel98", "Panel6"}) QVERIFY(!d.shown(notice));
  }

  void seeCalculationWritesTheExampleData_data() {
    QTest::addColumn<int>("example");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("firstRows");  // rows 1 and 2, columns 2 to 5
    QTest::newRow("simple") << 1 << QStringList{"g. roravor_oridorer_edaraz",
                                                "200000",
                                                "180",
                                                "12",
                                                "12.00",
                                                "frais notariaux",
                                                "frais de dossier",
                                                "",
                                                "7116",
                                                "2000",
                                                "",
                                                "2"}
                            << QStringList{"-200000", "1", "", "9116", "2304.69", "180", "89", ""};
    QTest::newRow("variant") << 2 << QStringList{"g. roravor_oridorer_edaraz",
                                                 "200000",
                                                 "180",
                                                 "12",
                                                 "12.13",
                                                 "frais notariaux",
                                                 "frais de dossier",
                                                 "",
                                                 "7116",
                                                 "2000",
                                                 "",
                                                 "3"}
                             << QStringList{"-200000", "1", "0",  "7116",
                                            "2304.69", "1", "89", "2000"};
    QTest::newRow("periodicity") << 3 << QStringList{"exemple imaginaire",
                                                     "20000",
                                                     "36",
                                                     "12",
                                                     "0",
                                                     "frais de dossier",
                                                     "",
                                                     "",
                                                     "200",
                                                     "0",
                                                     "",
                                                     "27"}
                                 << QStringList{"-20000", "1", "0", "0", "500", "1", "5", "200"};
  }
  void seeCalculationWritesTheExampleData() {
    QFETCH(int, example);
    QFETCH(QStringList, header);
    QFETCH(QStringList, firstRows);
    openExampleNotice(d, example);
    seeExampleCalculation(d, example);
    const char* fields[] = {"ch_nom_emp", "ch_capital", "ch_nb_remb", "ch_remb_an",
                            "ch_teg_ann", "ch_fr1_txt", "ch_fr2_txt", "ch_fr3_txt",
                            "ch_fr1_val", "ch_fr2_val", "ch_fr3_val", "ch_grpv"};
    for (int k = 0; k < 12; ++k) QCOMPARE(d.text(fields[k]), header[k]);
    for (int k = 0; k < 8; ++k) QCOMPARE(d.cell(k % 4 + 1, k / 4 + 1), firstRows[k]);
    QCOMPARE(d.grid()->rowCount(), 3);
    QVERIFY(!d.shown("Panel45") && !d.shown("Panel98") && !d.shown("Panel6"));
    QVERIFY(!d.shown("Panel91"));
    QVERIFY(d.text("Panel1").isEmpty());
  }

  void workedExamplesGiveTheRatesOfTheirNotices_data() {
    QTest::addColumn<int>("example");
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<QString>("teg");
    QTest::addColumn<int>("rows");
    QTest::newRow("simple") << 1 << "11,2500 % 11,8486 %"
                            << "12,8289 % 13,6107 %" << 3;
    QTest::newRow("variant") << 2 << "11,2500 % 11,8486 %"
                             << "12,8267 % 13,6083 %" << 4;
    QTest::newRow("periodicity") << 3 << ""
                                 << "10,3071 % 10,8083 %" << 28;
  }
  void workedExamplesGiveTheRatesOfTheirNotices() {
    QFETCH(int, example);
    QFETCH(QString, nominal);
    QFETCH(QString, teg);
    QFETCH(int, rows);
    openExampleNotice(d, example);
    seeExampleCalculation(d, example);
    d.click("bt_valider");
    d.click("Bt_ICI_");
    QCOMPARE(d.shown("Panel216"), nominal.isEmpty());
    if (!nominal.isEmpty()) QCOMPARE(d.text("Panel83") + " " + d.text("Panel37"), nominal);
    QCOMPARE(d.text("Panel82") + " " + d.text("Panel84"), teg);
    QVERIFY(!d.shown("Panel161"));
    QCOMPARE(d.grid()->rowCount(), rows);
  }
};

QTEST_MAIN(DossierExamplesTest)
#include "dossier_examples_test.moc"
