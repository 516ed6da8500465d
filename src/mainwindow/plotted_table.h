#pragma once
// The plotted states as a table of texts, for a file or a printed page.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "mainwindow/plotted_state.h"
#include "model/equilibrium.h"

namespace kemora::mainwindow {

enum class TableColumn { Volume, Pressure, Liquid, Temperature, Mol, Phase };

// Every column, in the order a file holds them.
inline constexpr std::array<TableColumn, 6> kAllColumns{
    TableColumn::Volume,      TableColumn::Pressure, TableColumn::Liquid,
    TableColumn::Temperature, TableColumn::Mol,      TableColumn::Phase};

// What a table of plotted states is about. Pressures and temperatures are written in the
// units of the newest state, the ones the class saw last, so that a column holds one unit
// even after a scenario step changed it; the liquids, temperatures (in that unit) and
// amounts of the states are each listed once, in the order they first appear. An empty
// list describes the experiment as it stands.
struct TableSummary {
    model::PressureUnit pressureUnit = model::MmHg;
    model::TemperatureUnit temperatureUnit = model::Celsius;
    std::vector<model::Liquid> liquids;
    std::vector<int64_t> temperatures;
    std::vector<int32_t> mols;  // mol
};

[[nodiscard]] TableSummary SummarizeStates(const std::vector<PlottedState>& states,
                                           const model::Experiment& current);

// The columns of a printed table: volume, pressure and phase, and the liquid, temperature
// and amount only where they vary from state to state; the heading names them otherwise.
[[nodiscard]] std::vector<TableColumn> PrintedColumns(const TableSummary& summary);

// How pressures are written: with the 15 significant digits they were computed with, or
// rounded as the pressure field shows them ("0.0" for mmHg, "0.000" for atm, "0" for hPa).
enum class PressureDigits { AsComputed, AsShown };

// The words of the table, in the interface's language: a name per liquid (by model::Liquid),
// per phase (by model::Phase) and per column (by TableColumn, without its unit).
struct TableWords {
    std::array<std::string, 3> liquids;
    std::array<std::string, 3> phases;
    std::array<std::string, kAllColumns.size()> columns;
};

// A column's header: its name with the unit its cells are in, in parentheses ("容量 (L)",
// "圧力 (mmHg)", "温度 (°C)", "物質量 (mol)"); the liquid and phase columns by name alone.
[[nodiscard]] std::string TableHeader(TableColumn column, const TableSummary& summary,
                                      const TableWords& words);

// One row of texts per state, a cell per column. Numbers are plain decimal with a dot,
// whatever the locale.
[[nodiscard]] std::vector<std::vector<std::string>> TableRows(
    const std::vector<PlottedState>& states, const std::vector<TableColumn>& columns,
    const TableSummary& summary, PressureDigits digits, const TableWords& words);

// How `count` rows go into room for `capacity` rows: all of them when they fit; otherwise
// the first capacity - 1, the last line being left for a note of how many were left out.
struct RowsOnPage {
    std::size_t shown = 0;
    std::size_t omitted = 0;

    friend bool operator==(const RowsOnPage&, const RowsOnPage&) = default;
};
[[nodiscard]] RowsOnPage FitRows(std::size_t count, std::size_t capacity);

}  // namespace kemora::mainwindow
