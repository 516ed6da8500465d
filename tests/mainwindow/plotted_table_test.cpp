#include "mainwindow/plotted_table.h"

#include <gtest/gtest.h>

#include <locale>
#include <string>
#include <vector>

#include "mainwindow/csv_text.h"

namespace kemora::mainwindow {
namespace {

using model::Phase;

// Water at 27 °C, 1 mol: the table gives 31.37707 mmHg, saturation at 596 litres.
constexpr double kWaterAt27 = 31.37707;  // mmHg

const TableWords kWords{{"水", "エタノール", "ジエチルエーテル"},
                        {"すべて液体", "液体と蒸気", "すべて蒸気"},
                        {"容量", "圧力", "液体", "温度", "物質量", "状態"}};

PlottedState Water27(int32_t volume, double pressure, model::PressureUnit unit, Phase phase) {
    return {volume, pressure, unit, model::Water, 27, model::Celsius, 1, phase};
}

// The numbers of a German locale: a decimal comma and dots between thousands.
struct GermanNumbers : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};
// The numbers of a Japanese locale: a decimal dot and commas between thousands.
struct JapaneseNumbers : std::numpunct<char> {
    char do_thousands_sep() const override { return ','; }
    std::string do_grouping() const override { return "\3"; }
};

// Makes a locale the program's global one for the life of the object.
class GlobalLocale {
  public:
    explicit GlobalLocale(const std::locale& locale) : m_previous(std::locale::global(locale)) {}
    ~GlobalLocale() { std::locale::global(m_previous); }
    GlobalLocale(const GlobalLocale&) = delete;
    GlobalLocale& operator=(const GlobalLocale&) = delete;

  private:
    std::locale m_previous;
};

TEST(PlottedCsv, BytesOfASmallListInEachPressureUnitUnderAnyLocale) {
    struct Case {
        model::PressureUnit unit;
        double at300;  // the pressure at 300 litres, in the unit
        std::string header;
        std::string rows;
    };
    // 700 litres lies past saturation: the pressure falls by 596/700. The texts are
    // the values' 15 significant digits.
    const Case cases[] = {
        {model::MmHg, kWaterAt27, "容量 (L),圧力 (mmHg),液体,温度 (°C),物質量 (mol),状態\r\n",
         "300,31.37707,水,27,1,液体と蒸気\r\n700,26.7153338857143,水,27,1,すべて蒸気\r\n"},
        {model::Atm, kWaterAt27 / 760, "容量 (L),圧力 (atm),液体,温度 (°C),物質量 (mol),状態\r\n",
         "300,0.0412856184210526,水,27,1,液体と蒸気\r\n700,0.035151755112782,水,27,1,"
         "すべて蒸気\r\n"},
        {model::HPa, (1013.0 / 760) * kWaterAt27,
         "容量 (L),圧力 (hPa),液体,温度 (°C),物質量 (mol),状態\r\n",
         "300,41.8223314605263,水,27,1,液体と蒸気\r\n700,35.6087279292481,水,27,1,すべて蒸気\r\n"},
    };
    const std::locale locales[] = {std::locale::classic(),
                                   std::locale(std::locale::classic(), new GermanNumbers),
                                   std::locale(std::locale::classic(), new JapaneseNumbers)};
    for (const std::locale& locale : locales) {
        const GlobalLocale global(locale);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << model::PressureUnitText(c.unit) << " under "
                         << std::use_facet<std::numpunct<char>>(locale).decimal_point());
            const std::vector<PlottedState> states{
                Water27(300, c.at300, c.unit, Phase::LiquidAndVapor),
                Water27(700, (c.at300 * 596) / 700, c.unit, Phase::AllVapor)};
            EXPECT_EQ(PlottedStatesCsv(states, model::Experiment{}, kWords),
                      "\xEF\xBB\xBF" + c.header + c.rows);
        }
    }
}

TEST(PlottedTable, HeadersNameTheNewestStatesUnitsWithOneSpellingOfTheDegree) {
    TableSummary kelvinAtm;
    kelvinAtm.pressureUnit = model::Atm;
    kelvinAtm.temperatureUnit = model::Kelvin;
    struct Case {
        TableColumn column;
        TableSummary summary;
        const char* header;
    };
    const Case cases[] = {
        {TableColumn::Volume, {}, "容量 (L)"},
        {TableColumn::Pressure, {}, "圧力 (mmHg)"},
        {TableColumn::Pressure, kelvinAtm, "圧力 (atm)"},
        {TableColumn::Temperature, {}, "温度 (\u00B0C)"},
        {TableColumn::Temperature, kelvinAtm, "温度 (K)"},
        {TableColumn::Mol, {}, "物質量 (mol)"},
        {TableColumn::Liquid, {}, "液体"},
        {TableColumn::Phase, kelvinAtm, "状態"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        EXPECT_EQ(TableHeader(c.column, c.summary, kWords), c.header);
    }
}

TEST(PlottedCsv, WithoutStatesAHeaderInTheExperimentsUnits) {
    model::Experiment experiment;
    experiment.settings.pressureUnit = model::HPa;
    experiment.settings.temperatureUnit = model::Kelvin;
    EXPECT_EQ(PlottedStatesCsv({}, experiment, kWords),
              "\xEF\xBB\xBF容量 (L),圧力 (hPa),液体,温度 (K),物質量 (mol),状態\r\n");
}

TEST(PlottedTable, PressuresAsShownFollowThePressureField) {
    struct Case {
        model::PressureUnit unit;
        double pressure;
        const char* shown;
    };
    const Case cases[] = {
        {model::MmHg, kWaterAt27, "31.4"},
        {model::MmHg, 0.04, "0.0"},
        {model::Atm, kWaterAt27 / 760, "0.041"},
        {model::Atm, 1.0005, "1.001"},
        {model::HPa, 41.82233, "42"},
        {model::HPa, 2.5, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        const std::vector<PlottedState> states{Water27(5, c.pressure, c.unit, Phase::AllVapor)};
        const auto rows = TableRows(states, {TableColumn::Pressure}, SummarizeStates(states, {}),
                                    PressureDigits::AsShown, kWords);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0], std::vector<std::string>{c.shown});
    }
}

TEST(PlottedTable, MixedUnitsAreWrittenInTheNewestStatesUnits) {
    // A scenario step switched to atm and kelvin between the two plots.
    const PlottedState before{300, kWaterAt27,     model::MmHg, model::Water,
                              27,  model::Celsius, 1,           Phase::LiquidAndVapor};
    const PlottedState after{300, kWaterAt27 / 760, model::Atm, model::Ethanol,
                             350, model::Kelvin,    2,          Phase::AllVapor};
    const std::vector<PlottedState> states{before, after};
    const TableSummary summary = SummarizeStates(states, {});
    EXPECT_EQ(summary.pressureUnit, model::Atm);
    EXPECT_EQ(summary.temperatureUnit, model::Kelvin);
    EXPECT_EQ(summary.liquids, (std::vector<model::Liquid>{model::Water, model::Ethanol}));
    EXPECT_EQ(summary.temperatures, (std::vector<int64_t>{300, 350}));
    EXPECT_EQ(summary.mols, (std::vector<int32_t>{1, 2}));

    const auto rows = TableRows(states, {kAllColumns.begin(), kAllColumns.end()}, summary,
                                PressureDigits::AsComputed, kWords);
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"300", "0.0412856184210526", "水", "300", "1", "液体と蒸気"},
                        {"300", "0.0412856184210526", "エタノール", "350", "2", "すべて蒸気"}}));
}

TEST(PlottedTable, SummaryListsEachValueOnceAndPrintedColumnsShowOnlyWhatVaries) {
    const PlottedState water = Water27(100, kWaterAt27, model::MmHg, Phase::LiquidAndVapor);
    PlottedState ether = water;
    ether.liquid = model::DiethylEther;
    PlottedState warmer = water;
    warmer.temperature = 50;
    PlottedState more = water;
    more.mol = 3;

    using C = TableColumn;
    struct Case {
        const char* name;
        std::vector<PlottedState> states;
        std::vector<TableColumn> columns;
    };
    const Case cases[] = {
        {"one liquid, temperature and amount",
         {water, water, water},
         {C::Volume, C::Pressure, C::Phase}},
        {"two liquids", {water, ether, water}, {C::Volume, C::Pressure, C::Liquid, C::Phase}},
        {"two temperatures", {water, warmer}, {C::Volume, C::Pressure, C::Temperature, C::Phase}},
        {"everything varies",
         {water, ether, warmer, more},
         {C::Volume, C::Pressure, C::Liquid, C::Temperature, C::Mol, C::Phase}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PrintedColumns(SummarizeStates(c.states, {})), c.columns);
    }
    const TableSummary all = SummarizeStates({water, ether, warmer, more, water}, {});
    EXPECT_EQ(all.liquids, (std::vector<model::Liquid>{model::Water, model::DiethylEther}));
    EXPECT_EQ(all.temperatures, (std::vector<int64_t>{27, 50}));
    EXPECT_EQ(all.mols, (std::vector<int32_t>{1, 3}));
}

TEST(PlottedTable, AnEmptyListDescribesTheExperimentAsItStands) {
    model::Experiment experiment;
    experiment.liquid = 7;  // read as ether
    experiment.settings.temperature = 300;
    experiment.settings.temperatureUnit = model::Kelvin;
    experiment.settings.pressureUnit = 5;  // read as hPa
    experiment.settings.mol = 4;
    const TableSummary summary = SummarizeStates({}, experiment);
    EXPECT_EQ(summary.pressureUnit, model::HPa);
    EXPECT_EQ(summary.temperatureUnit, model::Kelvin);
    EXPECT_EQ(summary.liquids, std::vector<model::Liquid>{model::DiethylEther});
    EXPECT_EQ(summary.temperatures, std::vector<int64_t>{300});
    EXPECT_EQ(summary.mols, std::vector<int32_t>{4});
    EXPECT_TRUE(
        TableRows({}, PrintedColumns(summary), summary, PressureDigits::AsShown, kWords).empty());
}

TEST(FitRows, ShowsEveryRowThatFitsAndLeavesALineForTheRest) {
    struct Case {
        std::size_t count;
        std::size_t capacity;
        RowsOnPage rows;
    };
    const Case cases[] = {
        {0, 0, {0, 0}},     {0, 10, {0, 0}}, {10, 10, {10, 0}}, {11, 10, {9, 2}},
        {100, 10, {9, 91}}, {3, 1, {0, 3}},  {3, 0, {0, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " rows in room for " << c.capacity);
        EXPECT_EQ(FitRows(c.count, c.capacity), c.rows);
    }
}

}  // namespace
}  // namespace kemora::mainwindow
