// The core's face for what leaves the page: the vapor-pressure figure, its readout and axes,
// and the printed worksheet. Every number and text part comes from the core.
import type { MainWindow } from "./core";

export interface CurveTick {
    value: number;
    text: string;
}

export interface CurveAxis {
    low: number;
    high: number;
    labelled: CurveTick[];
    minor: number[];
}

export interface CurveLine {
    liquid: number;
    color: number;  // 0xRRGGBB
    current: boolean;
    points: { temperature: number; pressure: number }[];
}

export interface CurveFigure {
    temperatureUnitText: string;
    pressureUnitText: string;
    temperatureAxis: CurveAxis;
    pressureAxis: CurveAxis;
    logarithmic: boolean;
    tableCurves: CurveLine[];
    measuredCurves: CurveLine[];
    oneAtmosphere: number;
    boilingPoints: { liquid: number; color: number; temperature: number }[];
    marker: { temperature: number; pressure: number; pressureText: string } | null;
}

// Values of an axis from `low` at `lowPixel` to `high` at `highPixel`.
export interface AxisScale {
    low: number;
    high: number;
    lowPixel: number;
    highPixel: number;
    logarithmic: boolean;
}

export interface CurveReadout {
    temperature: number;
    pressureTexts: [string, string, string];
}

// The words of the table's cells, in the interface language.
export interface TableWords {
    liquids: string[];
    phases: string[];
    columns: string[];
}

export interface PrintedSheet {
    liquids: number[];
    temperatures: number[];
    temperatureUnitText: string;
    mols: number[];
    headers: string[];
    wordColumns: boolean[];  // a column of words, centred, rather than numbers
    pressureHeader: string;
    volumeHeader: string;
    rows: string[][];
}

export interface PrintedTableLayout {
    rowsPerBlock: number;
    blocks: number;
    shown: number;
    omitted: number;
    places: { block: number; row: number }[];
}

// What the core draws a printed graph onto, in the graph box's logical pixels.
export interface SheetDrawing {
    fill(x: number, y: number, width: number, height: number, rgb: number): void;
    line(x1: number, y1: number, x2: number, y2: number, rgb: number): void;
    text(x: number, y: number, utf8: string): void;
    textInk(utf8: string): { left: number; top: number; right: number; bottom: number } | null;
    readonly lineSpacing: number;
}

export interface ExportsWindow extends MainWindow {
    CsvBytes(words: TableWords): Uint8Array<ArrayBuffer>;
    TableRows(words: TableWords): string[][];
    BuildCurveFigure(logarithmic: boolean, measured: boolean): CurveFigure;
}

export interface ExportsCore {
    CurveReadout(window: MainWindow, temperature: number): CurveReadout | null;
    // Draws the graph box of the plotted states onto `sheet` in the box's logical pixels.
    DrawGraphCopy(window: MainWindow, sheet: SheetDrawing): void;
    CurveToPixel(scale: AxisScale, value: number): number;
    CurveToValue(scale: AxisScale, pixel: number): number;
    ExperimentLiquid(window: MainWindow): number;
    PrintedSheet(window: MainWindow, words: TableWords): PrintedSheet;
    PrintedTableLayout(stateCount: number, columnCount: number, width: number, height: number): PrintedTableLayout;
    kGraphBoxWidth: number;     // logical pixels
    kGraphBoxHeight: number;    // logical pixels
    kTableColumnWidth: number;  // mm
    kTableRowHeight: number;    // mm
    kTableBlockGap: number;     // mm
}
