// The JavaScript face of what leaves the page: the vapor-pressure window's readout and axes,
// and the printed worksheet's heading and table. The rules are the core's; these only carry
// them across.
#include <emscripten/bind.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "curve/axis.h"
#include "curve/readout.h"
#include "mainwindow/graph.h"
#include "mainwindow/panel_sizes.h"
#include "mainwindow/plotted_table.h"
#include "mainwindow/printed_table.h"
#include "mainwindow/surface.h"
#include "model/settings.h"
#include "web/js_values.h"
#include "web/main_window.h"

namespace kemora::web {
namespace {

using emscripten::val;

template <typename T>
val ArrayOf(const std::vector<T>& items) {
    val array = val::array();
    for (const T& item : items) array.call<void>("push", val(item));
    return array;
}

// {temperature, pressureTexts: [water, ethanol, diethyl ether]} at a temperature of the
// figure's axis, or null outside the table.
val CurveReadout(const MainWindow& window, double temperature) {
    const std::optional<curve::Readout> readout =
        curve::ReadoutAt(window.state().experiment, temperature);
    if (!readout)
        return val::null();
    val object = val::object();
    object.set("temperature", readout->temperature);
    val texts = val::array();
    for (const std::string& text : readout->pressureTexts) texts.call<void>("push", text);
    object.set("pressureTexts", texts);
    return object;
}

double CurveToPixel(const curve::AxisScale& scale, double value) {
    return scale.toPixel(value);
}

double CurveToValue(const curve::AxisScale& scale, double pixel) {
    return scale.toValue(pixel);
}

// The experiment's liquid (a model::Liquid value), which the curve window follows.
int32_t ExperimentLiquid(const MainWindow& window) {
    return window.state().experiment.liquid;
}

// The worksheet of the plotted states: what its heading lists, the printed columns' headers
// and the rows of texts, worded by `words` ({liquids: [3], phases: [3], columns: [6]}).
val PrintedSheet(const MainWindow& window, const val& words) {
    const mainwindow::MainState& state = window.state();
    const auto& states = state.graph.plottedStates;
    const mainwindow::TableSummary summary = mainwindow::SummarizeStates(states, state.experiment);
    const mainwindow::TableWords tableWords = TableWordsOf(words);
    const std::vector<mainwindow::TableColumn> columns = mainwindow::PrintedColumns(summary);

    val sheet = val::object();
    std::vector<int32_t> liquids;
    for (const model::Liquid liquid : summary.liquids) liquids.push_back(liquid);
    sheet.set("liquids", ArrayOf(liquids));
    std::vector<double> temperatures;
    for (const int64_t t : summary.temperatures) temperatures.push_back(static_cast<double>(t));
    sheet.set("temperatures", ArrayOf(temperatures));
    sheet.set("temperatureUnitText",
              std::string(model::TemperatureUnitText(summary.temperatureUnit)));
    sheet.set("mols", ArrayOf(summary.mols));
    val headers = val::array();
    val wordColumns = val::array();
    for (const mainwindow::TableColumn column : columns) {
        headers.call<void>("push", mainwindow::TableHeader(column, summary, tableWords));
        wordColumns.call<void>("push", column == mainwindow::TableColumn::Liquid ||
                                           column == mainwindow::TableColumn::Phase);
    }
    sheet.set("headers", headers);
    sheet.set("wordColumns", wordColumns);
    sheet.set("pressureHeader",
              mainwindow::TableHeader(mainwindow::TableColumn::Pressure, summary, tableWords));
    sheet.set("volumeHeader",
              mainwindow::TableHeader(mainwindow::TableColumn::Volume, summary, tableWords));
    val rows = val::array();
    for (const auto& row : mainwindow::TableRows(states, columns, summary,
                                                 mainwindow::PressureDigits::AsShown, tableWords))
        rows.call<void>("push", ArrayOf(row));
    sheet.set("rows", rows);
    return sheet;
}

// A graph box drawn as vectors for the printed sheet, as the desktop's printer draws it: the
// page's `sheet` object is handed rectangles (fill: left, top, width, height, 0xRRGGBB),
// one-pixel lines (line: x1, y1, x2, y2, colour, both ends drawn) and texts, all in the
// graph box's logical pixels. Sprites are no part of the graph.
class SheetSurface : public mainwindow::Surface {
  public:
    explicit SheetSurface(val sheet) : m_sheet(std::move(sheet)) {}

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb c) override {
        const auto [left, right] = std::minmax(int64_t{x1}, int64_t{x2});
        const auto [top, bottom] = std::minmax(int64_t{y1}, int64_t{y2});
        m_sheet.call<void>("fill", static_cast<double>(left), static_cast<double>(top),
                           static_cast<double>(right - left + 1),
                           static_cast<double>(bottom - top + 1), ColorOf(c));
    }
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb c) override {
        m_sheet.call<void>("line", x1, y1, x2, y2, ColorOf(c));
    }
    void setTextPosition(int32_t x, int32_t y) override {
        m_textX = x;
        m_textY = y;
    }
    void printText(std::string_view utf8) override {
        m_sheet.call<void>("text", m_textX, m_textY, std::string(utf8));
        m_textY += m_sheet["lineSpacing"].as<int32_t>();
    }
    std::optional<mainwindow::TextInk> textInk(std::string_view utf8) override {
        const val ink = m_sheet.call<val>("textInk", std::string(utf8));
        if (ink.isNull() || ink.isUndefined())
            return std::nullopt;
        const auto side = [&](const char* name) {
            return static_cast<int32_t>(
                std::clamp<int64_t>(PixelsOf(ink[name].as<double>()), INT32_MIN, INT32_MAX));
        };
        return mainwindow::TextInk{side("left"), side("top"), side("right"), side("bottom")};
    }
    void copySprite(int32_t /*x*/, int32_t /*y*/) override {}
    void refresh() override {}

  private:
    static int32_t ColorOf(mainwindow::Rgb c) {
        return int32_t{c.r} << 16 | int32_t{c.g} << 8 | c.b;
    }

    val m_sheet;
    int32_t m_textX = 0;
    int32_t m_textY = 0;
};

// Draws the graph box of the plotted states onto the page's `sheet` object, as the printed
// page shows it, whatever the screen's box shows now.
void DrawGraphCopy(const MainWindow& window, val sheet) {
    SheetSurface surface(std::move(sheet));
    const mainwindow::MainState& state = window.state();
    mainwindow::DrawGraphCopy(surface, state.experiment.settings, state.graph.plottedStates);
}

// How `stateCount` rows of `columnCount` columns go into `width` × `height` millimetres:
// {rowsPerBlock, blocks, shown, omitted, places: [{block, row}] per line under the headers}.
val PrintedTableLayout(double stateCount, double columnCount, double width, double height) {
    const auto count = [](double value) {
        return static_cast<std::size_t>(std::max<int64_t>(0, PixelsOf(value)));
    };
    const mainwindow::PrintedTable table =
        mainwindow::LayOutPrintedTable(count(stateCount), count(columnCount), width, height);
    val layout = val::object();
    layout.set("rowsPerBlock", static_cast<double>(table.rowsPerBlock));
    layout.set("blocks", static_cast<double>(table.blocks));
    layout.set("shown", static_cast<double>(table.rows.shown));
    layout.set("omitted", static_cast<double>(table.rows.omitted));
    val places = val::array();
    for (std::size_t line = 0; line < table.lines(); ++line) {
        const mainwindow::TablePlace at = mainwindow::PlaceOfLine(table, line);
        val place = val::object();
        place.set("block", static_cast<double>(at.block));
        place.set("row", static_cast<double>(at.row));
        places.call<void>("push", place);
    }
    layout.set("places", places);
    return layout;
}

}  // namespace
}  // namespace kemora::web

EMSCRIPTEN_BINDINGS(kemora_exports) {
    using namespace emscripten;
    using namespace kemora;

    value_object<curve::AxisScale>("AxisScale")
        .field("low", &curve::AxisScale::low)
        .field("high", &curve::AxisScale::high)
        .field("lowPixel", &curve::AxisScale::lowPixel)
        .field("highPixel", &curve::AxisScale::highPixel)
        .field("logarithmic", &curve::AxisScale::logarithmic);

    function("CurveReadout", &web::CurveReadout);
    function("DrawGraphCopy", &web::DrawGraphCopy);
    function("CurveToPixel", &web::CurveToPixel);
    function("CurveToValue", &web::CurveToValue);
    function("ExperimentLiquid", &web::ExperimentLiquid);
    function("PrintedSheet", &web::PrintedSheet);
    function("PrintedTableLayout", &web::PrintedTableLayout);

    constant("kGraphBoxWidth", mainwindow::kGraphBoxWidth);
    constant("kGraphBoxHeight", mainwindow::kGraphBoxHeight);
    constant("kTableColumnWidth", mainwindow::kTableColumnWidth);
    constant("kTableRowHeight", mainwindow::kTableRowHeight);
    constant("kTableBlockGap", mainwindow::kTableBlockGap);
}
