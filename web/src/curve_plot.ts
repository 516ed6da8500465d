// The vapor-pressure figure on a canvas: grid, labelled axes, the three liquids' curves, the
// 1 atm line with the boiling points, the experiment's line and dot, and the legend. Draws
// the core's figure at whatever size it is given; where a value lies is the core's axis rule.
import type { AxisScale, CurveFigure, ExportsCore } from "./core_exports";
import { kFontStack } from "./painter";
import { tr } from "./texts";

// Pixel sizes chosen to be read from the back of a classroom.
const kTickPixels = 15;
const kTitlePixels = 16;
const kLabelPixels = 15;
const kMarkerPixels = 18;

const kMargin = 10;       // around the figure
const kTickGap = 6;       // between the frame and its tick labels
const kSwatchWidth = 28;  // a legend entry's line
const kEntryGap = 18;     // between legend entries
const kCurveWidth = 2.5;
const kCurrentCurveWidth = 5;
const kMeasuredWidth = 2;
const kBoilingRadius = 5;
const kDotRadius = 7;

const kMinorGrid = "rgb(232, 232, 232)";
const kGrid = "rgb(192, 192, 192)";
const kAtmosphereLine = "rgb(80, 80, 80)";
const kMarkerRed = "rgb(255, 0, 0)";  // the P-V graph's newest point
const kMarkerLabelRed = "rgb(176, 0, 0)";
const kLabelBackground = "rgba(255, 255, 255, 0.863)";

export interface Box {
    x: number;
    y: number;
    width: number;
    height: number;
}

// Where everything lies at a size.
export interface CurveLayout {
    plot: Box;    // inside the axes
    legend: Box;  // the row of liquid names above the plot
    temperature: AxisScale;
    pressure: AxisScale;
}

export function liquidName(liquid: number): string {
    return [tr("水"), tr("エタノール"), tr("ジエチルエーテル")][liquid] ?? tr("水");
}

function font(pixels: number, bold = false): string {
    return `${bold ? "bold " : ""}${pixels}px ${kFontStack}`;
}

function colorOf(rgb: number): string {
    return `#${rgb.toString(16).padStart(6, "0")}`;
}

function contains(outer: Box, inner: Box): boolean {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
        inner.y + inner.height <= outer.y + outer.height;
}

const clamp = (value: number, low: number, high: number) => Math.min(Math.max(value, low), Math.max(low, high));

// The box of a text at the first of `corners` (top left corners) where it lies wholly inside
// `bounds`; at the first one, moved inside as far as it goes, when it fits at none.
function placeText(width: number, height: number, corners: [number, number][], bounds: Box): Box {
    for (const [x, y] of corners) {
        const box = { x, y, width, height };
        if (contains(bounds, box)) return box;
    }
    const [x, y] = corners[0]!;
    return {
        x: clamp(x, bounds.x, bounds.x + bounds.width - width),
        y: clamp(y, bounds.y, bounds.y + bounds.height - height),
        width, height,
    };
}

// The middle of the pixel that a coordinate falls in, where a one-pixel line is sharp.
const pixelCentre = (at: number) => Math.floor(at) + 0.5;

export class CurvePlot {
    private readonly context: CanvasRenderingContext2D;

    constructor(private readonly core: ExportsCore, readonly canvas: HTMLCanvasElement) {
        const context = canvas.getContext("2d", { alpha: false });
        if (!context) throw new Error("no 2d context");
        this.context = context;
    }

    // A text's height in a font, as a line of it takes.
    private lineHeight(fontText: string): number {
        const c = this.context;
        c.font = fontText;
        const m = c.measureText("0");
        return m.fontBoundingBoxAscent + m.fontBoundingBoxDescent;
    }

    private textWidth(fontText: string, text: string): number {
        this.context.font = fontText;
        return this.context.measureText(text).width;
    }

    layout(figure: CurveFigure, width: number, height: number): CurveLayout {
        const tick = font(kTickPixels);
        let labelWidth = 0;
        for (const t of figure.pressureAxis.labelled) labelWidth = Math.max(labelWidth, this.textWidth(tick, t.text));
        const labelled = figure.temperatureAxis.labelled;
        const last = labelled[labelled.length - 1];
        const lastLabelWidth = last ? this.textWidth(tick, last.text) : 0;

        const label = font(kLabelPixels);
        let legendWidth = 0;
        for (const curve of figure.tableCurves) {
            legendWidth += kSwatchWidth + kTickGap + this.textWidth(label, liquidName(curve.liquid)) + kEntryGap;
        }
        if (figure.measuredCurves.length > 0) legendWidth += kSwatchWidth + kTickGap + this.textWidth(label, tr("実測値")) + kEntryGap;
        legendWidth = Math.max(0, legendWidth - kEntryGap);

        const titleHeight = this.lineHeight(font(kTitlePixels, true));
        const stripHeight = Math.max(titleHeight, this.lineHeight(label));
        const left = kMargin + labelWidth + kTickGap;
        const top = kMargin + stripHeight + 2 * kTickGap;
        const right = kMargin + lastLabelWidth / 2;
        const bottom = kTickGap + this.lineHeight(tick) + kTickGap + titleHeight + kMargin;
        const plot = { x: left, y: top, width: Math.max(width - left - right, 1), height: Math.max(height - top - bottom, 1) };
        return {
            plot,
            legend: { x: plot.x + plot.width - legendWidth, y: kMargin, width: legendWidth, height: stripHeight },
            temperature: { low: figure.temperatureAxis.low, high: figure.temperatureAxis.high,
                           lowPixel: plot.x, highPixel: plot.x + plot.width, logarithmic: false },
            pressure: { low: figure.pressureAxis.low, high: figure.pressureAxis.high,
                        lowPixel: plot.y + plot.height, highPixel: plot.y, logarithmic: figure.logarithmic },
        };
    }

    // Draws the figure over `width` × `height` CSS pixels at `ratio` device pixels each.
    draw(figure: CurveFigure, width: number, height: number, ratio: number): CurveLayout {
        this.canvas.width = Math.round(width * ratio);
        this.canvas.height = Math.round(height * ratio);
        const c = this.context;
        c.setTransform(ratio, 0, 0, ratio, 0, 0);
        c.fillStyle = "#ffffff";
        c.fillRect(0, 0, width, height);
        const layout = this.layout(figure, width, height);
        this.paintGrid(figure, layout);
        this.paintAxes(figure, layout);
        c.save();
        c.beginPath();
        c.rect(layout.plot.x, layout.plot.y, layout.plot.width, layout.plot.height);
        c.clip();
        this.paintCurves(figure, layout);
        this.paintAtmosphere(figure, layout);
        this.paintMarker(figure, layout);
        c.restore();
        this.paintMarkerTemperature(figure, layout);
        this.paintLegend(figure, layout);
        return layout;
    }

    private x(layout: CurveLayout, temperature: number): number {
        return this.core.CurveToPixel(layout.temperature, temperature);
    }

    private y(layout: CurveLayout, pressure: number): number {
        return this.core.CurveToPixel(layout.pressure, pressure);
    }

    private line(x1: number, y1: number, x2: number, y2: number): void {
        const c = this.context;
        c.beginPath();
        c.moveTo(x1, y1);
        c.lineTo(x2, y2);
        c.stroke();
    }

    private text(text: string, box: Box, align: "left" | "center" | "right"): void {
        const c = this.context;
        c.textAlign = align;
        c.textBaseline = "middle";
        const x = align === "left" ? box.x : align === "right" ? box.x + box.width : box.x + box.width / 2;
        c.fillText(text, x, box.y + box.height / 2);
    }

    private paintGrid(figure: CurveFigure, layout: CurveLayout): void {
        const c = this.context;
        const { plot } = layout;
        c.lineWidth = 1;
        c.setLineDash([]);
        c.strokeStyle = kMinorGrid;
        for (const value of figure.pressureAxis.minor) {
            const y = pixelCentre(this.y(layout, value));
            this.line(plot.x, y, plot.x + plot.width, y);
        }
        c.strokeStyle = kGrid;
        for (const t of figure.pressureAxis.labelled) {
            const y = pixelCentre(this.y(layout, t.value));
            this.line(plot.x, y, plot.x + plot.width, y);
        }
        for (const t of figure.temperatureAxis.labelled) {
            const x = pixelCentre(this.x(layout, t.value));
            this.line(x, plot.y, x, plot.y + plot.height);
        }
    }

    private paintAxes(figure: CurveFigure, layout: CurveLayout): void {
        const c = this.context;
        const { plot } = layout;
        c.strokeStyle = "#000000";
        c.lineWidth = 1;
        c.strokeRect(pixelCentre(plot.x), pixelCentre(plot.y), Math.floor(plot.width), Math.floor(plot.height));

        const tick = font(kTickPixels);
        const tickHeight = this.lineHeight(tick);
        c.font = tick;
        c.fillStyle = "#000000";
        for (const t of figure.temperatureAxis.labelled) {
            const x = this.x(layout, t.value);
            this.text(t.text, { x: x - 50, y: plot.y + plot.height + kTickGap, width: 100, height: tickHeight }, "center");
        }
        for (const t of figure.pressureAxis.labelled) {
            const y = this.y(layout, t.value);
            this.text(t.text, { x: kMargin, y: y - tickHeight / 2, width: plot.x - kTickGap - kMargin, height: tickHeight }, "right");
        }

        const title = font(kTitlePixels, true);
        const titleHeight = this.lineHeight(title);
        c.font = title;
        const titleTop = plot.y + plot.height + kTickGap + tickHeight + kTickGap;
        this.text(tr("温度 (%1)", figure.temperatureUnitText), { x: plot.x, y: titleTop, width: plot.width, height: titleHeight }, "center");
        this.text(tr("蒸気圧 (%1)", figure.pressureUnitText),
                  { x: kMargin, y: layout.legend.y, width: plot.width, height: layout.legend.height }, "left");
    }

    private polyline(points: { temperature: number; pressure: number }[], layout: CurveLayout): void {
        const c = this.context;
        c.beginPath();
        points.forEach((point, i) => {
            const x = this.x(layout, point.temperature);
            const y = this.y(layout, point.pressure);
            if (i === 0) c.moveTo(x, y);
            else c.lineTo(x, y);
        });
        c.stroke();
    }

    private paintCurves(figure: CurveFigure, layout: CurveLayout): void {
        const c = this.context;
        c.lineCap = "round";
        c.lineJoin = "round";
        // The current liquid last, so that its thick line lies over the others.
        for (const current of [false, true]) {
            for (const curve of figure.tableCurves) {
                if (curve.current !== current) continue;
                c.strokeStyle = colorOf(curve.color);
                c.lineWidth = current ? kCurrentCurveWidth : kCurveWidth;
                this.polyline(curve.points, layout);
            }
        }
        // Dashed over the solid ones, so that both show where they agree.
        c.lineCap = "butt";
        c.setLineDash([4 * kMeasuredWidth, 2 * kMeasuredWidth]);
        c.lineWidth = kMeasuredWidth;
        for (const curve of figure.measuredCurves) {
            c.strokeStyle = colorOf(curve.color);
            this.polyline(curve.points, layout);
        }
        c.setLineDash([]);
    }

    private paintAtmosphere(figure: CurveFigure, layout: CurveLayout): void {
        const c = this.context;
        const { plot } = layout;
        const y = pixelCentre(this.y(layout, figure.oneAtmosphere));
        c.strokeStyle = kAtmosphereLine;
        c.lineWidth = 1.5;
        this.line(plot.x, y, plot.x + plot.width, y);

        const label = font(kLabelPixels);
        c.font = label;
        c.fillStyle = "#000000";
        c.textAlign = "left";
        c.textBaseline = "bottom";
        c.fillText("1 atm", plot.x + kTickGap, y - kTickGap + 1);

        const height = this.lineHeight(label);
        for (const point of figure.boilingPoints) {
            const x = this.x(layout, point.temperature);
            c.strokeStyle = "#000000";
            c.lineWidth = 1;
            c.fillStyle = colorOf(point.color);
            c.beginPath();
            c.arc(x, y, kBoilingRadius, 0, 2 * Math.PI);
            c.fill();
            c.stroke();
            const text = `${point.temperature} ${figure.temperatureUnitText}`;
            const width = this.textWidth(label, text) + 4;
            const box = placeText(width, height, [[x + kTickGap, y + kTickGap], [x - kTickGap - width, y + kTickGap]], plot);
            c.fillStyle = kLabelBackground;
            c.fillRect(box.x, box.y, box.width, box.height);
            c.fillStyle = "#000000";
            c.font = label;
            this.text(text, box, "center");
        }
    }

    private paintMarker(figure: CurveFigure, layout: CurveLayout): void {
        const marker = figure.marker;
        if (!marker) return;
        const c = this.context;
        const { plot } = layout;
        // Whole pixels: the line shows in the pure colour of the newest P-V point.
        const x = Math.round(this.x(layout, marker.temperature));
        c.fillStyle = kMarkerRed;
        c.fillRect(x - 1, plot.y, 2, plot.height);

        const dotY = this.y(layout, marker.pressure);
        c.strokeStyle = "#ffffff";
        c.lineWidth = 2;
        c.fillStyle = kMarkerRed;
        c.beginPath();
        c.arc(x, dotY, kDotRadius, 0, 2 * Math.PI);
        c.fill();
        c.stroke();

        const markerFont = font(kMarkerPixels, true);
        const text = `${marker.pressureText} ${figure.pressureUnitText}`;
        const width = this.textWidth(markerFont, text) + 8;
        const height = this.lineHeight(markerFont) + 2;
        // Above and to the left of the dot, or else below and to the right: a rising curve
        // leaves these two corners free.
        const gap = kDotRadius + 4;
        const box = placeText(width, height, [
            [x - gap - width, dotY - gap - height], [x + gap, dotY + gap],
            [x + gap, dotY - gap - height], [x - gap - width, dotY + gap]], plot);
        c.fillStyle = kLabelBackground;
        c.beginPath();
        c.roundRect(box.x, box.y, box.width, box.height, 4);
        c.fill();
        c.fillStyle = "#000000";
        c.font = markerFont;
        this.text(text, box, "center");
    }

    private paintMarkerTemperature(figure: CurveFigure, layout: CurveLayout): void {
        const marker = figure.marker;
        if (!marker) return;
        // In the row of the temperature ticks, over whichever of them it meets.
        const c = this.context;
        const tick = font(kTickPixels, true);
        const text = `${marker.temperature} ${figure.temperatureUnitText}`;
        const x = Math.round(this.x(layout, marker.temperature));
        const width = this.textWidth(tick, text) + 8;
        const box = { x: x - width / 2, y: layout.plot.y + layout.plot.height + kTickGap, width, height: this.lineHeight(tick) };
        c.fillStyle = "#ffffff";
        c.fillRect(box.x, box.y, box.width, box.height);
        c.font = tick;
        c.fillStyle = kMarkerLabelRed;
        this.text(text, box, "center");
    }

    private paintLegend(figure: CurveFigure, layout: CurveLayout): void {
        const c = this.context;
        const label = font(kLabelPixels);
        const y = layout.legend.y + layout.legend.height / 2;
        let x = layout.legend.x;
        const entry = (color: string, lineWidth: number, dashed: boolean, name: string) => {
            c.strokeStyle = color;
            c.lineWidth = lineWidth;
            c.lineCap = "butt";
            c.setLineDash(dashed ? [4 * lineWidth, 2 * lineWidth] : []);
            this.line(x, y, x + kSwatchWidth, y);
            c.setLineDash([]);
            x += kSwatchWidth + kTickGap;
            const width = this.textWidth(label, name);
            c.font = label;
            c.fillStyle = "#000000";
            this.text(name, { x, y: layout.legend.y, width, height: layout.legend.height }, "left");
            x += width + kEntryGap;
        };
        for (const curve of figure.tableCurves) {
            entry(colorOf(curve.color), curve.current ? kCurrentCurveWidth : kCurveWidth, false, liquidName(curve.liquid));
        }
        if (figure.measuredCurves.length > 0) entry("#000000", kMeasuredWidth, true, tr("実測値"));
    }
}
