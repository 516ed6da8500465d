// The printed worksheet, as the desktop prints it on one A4 landscape sheet: a heading with
// the liquid, temperature, amount and date, the graph, the table of plotted states beneath
// it and a ruled answer area beside them. Laid out in millimetres inside #printSheet, which
// only the print style shows; the table's blocks and rows are the core's layout.
import type { MainWindow } from "./core";
import type { ExportsCore, PrintedSheet } from "./core_exports";
import { liquidName } from "./curve_plot";
import { SheetGraph } from "./sheet_graph";
import { tableWords } from "./table_words";
import { tr } from "./texts";

// The printable area of A4 landscape inside 12 mm margins, a millimetre short each way so
// that rounding never spills onto a second sheet.
export const kSheetWidth = 272;   // mm
export const kSheetHeight = 185;  // mm
const kHeadingHeight = 17;
const kGap = 6;
const kAxisTitleHeight = 5;
const kRuleSpacing = 9;
const kNameLine = 45;  // where each student writes class and name, at the right

function place(element: HTMLElement, x: number, y: number, width: number, height: number): HTMLElement {
    element.style.left = `${x}mm`;
    element.style.top = `${y}mm`;
    element.style.width = `${width}mm`;
    element.style.height = `${height}mm`;
    return element;
}

function box(className: string, text = ""): HTMLDivElement {
    const element = document.createElement("div");
    element.className = className;
    element.textContent = text;
    return element;
}

// The date as the heading writes it, by the pattern the translation gives ("yyyy年M月d日").
export function formatDate(pattern: string, date: Date, language: string): string {
    return pattern.replace(/yyyy|MMMM|M|d/g, (token) => {
        switch (token) {
            case "yyyy": return String(date.getFullYear());
            case "MMMM": return date.toLocaleString(language, { month: "long" });
            case "M": return String(date.getMonth() + 1);
            default: return String(date.getDate());
        }
    });
}

function heading(sheet: PrintedSheet, date: Date, language: string): HTMLElement[] {
    const joined = (parts: string[]) => parts.join(tr("、"));
    const liquids = joined(sheet.liquids.map(liquidName));
    const temperatures = joined(sheet.temperatures.map((t) => tr("%1 %2", t, sheet.temperatureUnitText)));
    const amounts = joined(sheet.mols.map((mol) => tr("%1 mol", mol)));
    return [
        place(box("title", tr("蒸気圧と容量の関係")), 0, 0, kSheetWidth, 8),
        place(box("name", tr("　年　　組　　番　名前")), 0, 0, kSheetWidth - kNameLine, 8),
        place(box("about", tr("液体：%1　　温度：%2　　物質量：%3　　日付：%4", liquids, temperatures, amounts,
                               formatDate(tr("yyyy年M月d日"), date, language))), 0, 9, kSheetWidth, 6),
        place(box("nameLine"), kSheetWidth - kNameLine, 7, kNameLine, 0),
        place(box("rule"), 0, kHeadingHeight - 1, kSheetWidth, 0),
    ];
}

// The table in as many blocks side by side as fit across its room, as the core lays it out.
function table(core: ExportsCore, sheet: PrintedSheet, x: number, y: number, width: number,
               height: number): HTMLElement[] {
    const columns = sheet.headers.length;
    const layout = core.PrintedTableLayout(sheet.rows.length, columns, width, height);
    const cell = core.kTableColumnWidth;
    const row = core.kTableRowHeight;
    const blockWidth = cell * columns;
    const blockLeft = (block: number) => x + block * (blockWidth + core.kTableBlockGap);
    const parts: HTMLElement[] = [];
    if (layout.rowsPerBlock === 0) return parts;
    for (let block = 0; block < layout.blocks; ++block) {
        sheet.headers.forEach((header, c) => parts.push(place(box("header", header), blockLeft(block) + c * cell, y, cell, row)));
        parts.push(place(box("underHeader"), blockLeft(block), y + row, blockWidth, 0));
    }
    layout.places.forEach((at, line) => {
        const left = blockLeft(at.block);
        const top = y + at.row * row;
        if (line === layout.shown) {
            parts.push(place(box("more", tr("…ほか %1 件", layout.omitted)), left, top, blockWidth, row));
            return;
        }
        sheet.rows[line]?.forEach((text, c) => {
            const word = sheet.wordColumns[c] ?? false;
            // Numbers line up at the right, a little in from the next column.
            parts.push(place(box(word ? "word" : "number", text), left + c * cell, top, cell - (word ? 0 : 4), row));
        });
    });
    return parts;
}

function answerArea(x: number, y: number, width: number, height: number): HTMLElement[] {
    const parts = [place(box("answers"), x, y, width, height),
                   place(box("answerTitle", tr("気づいたこと・考えたこと")), x + 3, y + 1, width - 6, 7)];
    for (let ruleY = y + 8 + kRuleSpacing; ruleY < y + height - 2; ruleY += kRuleSpacing) {
        parts.push(place(box("answerRule"), x + 3, ruleY, width - 6, 0));
    }
    return parts;
}

// Fills `target` with the worksheet for the plotted states as they stand, dated `date`.
export function buildPrintSheet(target: HTMLElement, core: ExportsCore, window: MainWindow, date: Date,
                                language: string): void {
    const sheet = core.PrintedSheet(window, tableWords());
    const width = kSheetWidth;
    const height = kSheetHeight;
    const parts = heading(sheet, date, language);

    // The left half holds the graph, as tall as leaves room for a table beneath it; the
    // right half is the answer area.
    const leftWidth = (width - kGap) / 2;
    const aspect = core.kGraphBoxWidth / core.kGraphBoxHeight;
    const graphTop = kHeadingHeight + kAxisTitleHeight + 1;
    const graphHeight = Math.min(height * 0.5, leftWidth / aspect);
    const graphWidth = graphHeight * aspect;
    const graphLeft = (leftWidth - graphWidth) / 2;
    parts.push(place(box("axisTitle", sheet.pressureHeader), graphLeft, graphTop - kAxisTitleHeight, graphWidth, kAxisTitleHeight));
    const drawn = new SheetGraph(core.kGraphBoxWidth, core.kGraphBoxHeight);
    core.DrawGraphCopy(window, drawn);
    const graph = document.createElement("div");
    graph.id = "printGraph";
    graph.append(drawn.svg);
    parts.push(place(graph, graphLeft, graphTop, graphWidth, graphHeight));
    parts.push(place(box("axisTitle volume", sheet.volumeHeader), graphLeft, graphTop + graphHeight, graphWidth, kAxisTitleHeight));

    const tableTop = graphTop + graphHeight + kAxisTitleHeight + 2;
    parts.push(...table(core, sheet, 0, tableTop, leftWidth, height - tableTop));
    parts.push(...answerArea(leftWidth + kGap, kHeadingHeight + 2, width - leftWidth - kGap, height - kHeadingHeight - 2));
    target.replaceChildren(...parts);
}
