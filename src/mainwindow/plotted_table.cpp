#include "mainwindow/plotted_table.h"

#include <algorithm>

#include "model/numbers.h"

namespace kemora::mainwindow {
namespace {

template <typename T>
void AddOnce(std::vector<T>& values, T value) {
    if (std::find(values.begin(), values.end(), value) == values.end())
        values.push_back(value);
}

std::string PressureText(const PlottedState& state, const TableSummary& summary,
                         PressureDigits digits) {
    const double pressure =
        model::ConvertPressure(state.pressure, state.pressureUnit, summary.pressureUnit);
    // Scientific notation would be read as text by some spreadsheet programs, and by
    // students as a puzzle: every digit is written out.
    if (digits == PressureDigits::AsComputed)
        return model::PlainDecimalText(pressure);
    return model::FixedText(pressure, model::PressureDecimals(summary.pressureUnit));
}

std::string CellText(const PlottedState& state, TableColumn column, const TableSummary& summary,
                     PressureDigits digits, const TableWords& words) {
    switch (column) {
        case TableColumn::Volume:
            return model::IntegerText(state.volume);
        case TableColumn::Pressure:
            return PressureText(state, summary, digits);
        case TableColumn::Liquid:
            return words.liquids[static_cast<std::size_t>(model::LiquidOf(state.liquid))];
        case TableColumn::Temperature:
            return model::IntegerText(model::ConvertTemperature(
                state.temperature, state.temperatureUnit, summary.temperatureUnit));
        case TableColumn::Mol:
            return model::IntegerText(state.mol);
        case TableColumn::Phase:
            switch (state.phase) {
                case model::Phase::AllLiquid:
                    return words.phases[0];
                case model::Phase::LiquidAndVapor:
                    return words.phases[1];
                case model::Phase::AllVapor:
                    return words.phases[2];
            }
            break;
    }
    return {};
}

std::string WithUnit(const std::string& name, std::string_view unit) {
    return name + " (" + std::string(unit) + ")";
}

}  // namespace

std::string TableHeader(TableColumn column, const TableSummary& summary, const TableWords& words) {
    const std::string& name = words.columns[static_cast<std::size_t>(column)];
    switch (column) {
        case TableColumn::Volume:
            return WithUnit(name, "L");
        case TableColumn::Pressure:
            return WithUnit(name, model::PressureUnitText(summary.pressureUnit));
        case TableColumn::Temperature:
            return WithUnit(name, model::TemperatureUnitText(summary.temperatureUnit));
        case TableColumn::Mol:
            return WithUnit(name, "mol");
        case TableColumn::Liquid:
        case TableColumn::Phase:
            break;
    }
    return name;
}

TableSummary SummarizeStates(const std::vector<PlottedState>& states,
                             const model::Experiment& current) {
    if (states.empty()) {
        // The experiment's units and values, read as a plotted state reads them.
        const PlottedState now = StateOf(current, 0, 0.0);
        return {now.pressureUnit, now.temperatureUnit, {now.liquid}, {now.temperature}, {now.mol}};
    }
    TableSummary summary;
    summary.pressureUnit = states.back().pressureUnit;
    summary.temperatureUnit = states.back().temperatureUnit;
    for (const PlottedState& state : states) {
        AddOnce(summary.liquids, state.liquid);
        AddOnce(summary.temperatures,
                model::ConvertTemperature(state.temperature, state.temperatureUnit,
                                          summary.temperatureUnit));
        AddOnce(summary.mols, state.mol);
    }
    return summary;
}

std::vector<TableColumn> PrintedColumns(const TableSummary& summary) {
    std::vector<TableColumn> columns{TableColumn::Volume, TableColumn::Pressure};
    if (summary.liquids.size() > 1)
        columns.push_back(TableColumn::Liquid);
    if (summary.temperatures.size() > 1)
        columns.push_back(TableColumn::Temperature);
    if (summary.mols.size() > 1)
        columns.push_back(TableColumn::Mol);
    columns.push_back(TableColumn::Phase);
    return columns;
}

std::vector<std::vector<std::string>> TableRows(const std::vector<PlottedState>& states,
                                                const std::vector<TableColumn>& columns,
                                                const TableSummary& summary, PressureDigits digits,
                                                const TableWords& words) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(states.size());
    for (const PlottedState& state : states) {
        std::vector<std::string>& row = rows.emplace_back();
        row.reserve(columns.size());
        for (TableColumn column : columns)
            row.push_back(CellText(state, column, summary, digits, words));
    }
    return rows;
}

RowsOnPage FitRows(std::size_t count, std::size_t capacity) {
    if (count <= capacity)
        return {count, 0};
    const std::size_t shown = capacity > 0 ? capacity - 1 : 0;
    return {shown, count - shown};
}

}  // namespace kemora::mainwindow
