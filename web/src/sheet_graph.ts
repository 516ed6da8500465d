// The graph box on the printed sheet as vectors, as the desktop prints it: the core draws
// the frame and the plotted squares onto this object in the box's logical pixels, and it
// keeps them as SVG shapes, sharp at the printer's resolution.
import { kFontStack } from "./painter";

const kSvg = "http://www.w3.org/2000/svg";
const kLabelPixels = 9;  // the graph's label font, as on the screen

function colorOf(rgb: number): string {
    return `#${rgb.toString(16).padStart(6, "0")}`;
}

export class SheetGraph {
    readonly svg: SVGSVGElement;
    readonly lineSpacing = Math.round(kLabelPixels * 1.2);
    private readonly measure = document.createElement("canvas").getContext("2d");
    private readonly ascent: number;

    constructor(width: number, height: number) {
        this.svg = document.createElementNS(kSvg, "svg");
        this.svg.setAttribute("viewBox", `0 0 ${width} ${height}`);
        this.svg.setAttribute("preserveAspectRatio", "none");
        this.add("rect", { x: 0, y: 0, width, height, fill: "#ffffff" });
        const font = `${kLabelPixels}px ${kFontStack}`;
        if (this.measure) this.measure.font = font;
        this.ascent = Math.round(this.measure?.measureText("0").fontBoundingBoxAscent ?? kLabelPixels);
    }

    private add(name: string, attributes: Record<string, string | number>): SVGElement {
        const element = document.createElementNS(kSvg, name);
        for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
        this.svg.append(element);
        return element;
    }

    fill(x: number, y: number, width: number, height: number, rgb: number): void {
        this.add("rect", { x, y, width, height, fill: colorOf(rgb) });
    }

    // Both end points drawn: through the pixels' middles, the square caps reaching their edges.
    line(x1: number, y1: number, x2: number, y2: number, rgb: number): void {
        this.add("line", { x1: x1 + 0.5, y1: y1 + 0.5, x2: x2 + 0.5, y2: y2 + 0.5, stroke: colorOf(rgb),
                           "stroke-width": 1, "stroke-linecap": "square" });
    }

    text(x: number, y: number, utf8: string): void {
        const text = this.add("text", { x, y: y + this.ascent, fill: "#000000", "font-size": kLabelPixels });
        text.style.fontFamily = kFontStack;
        text.textContent = utf8;
    }

    textInk(utf8: string): { left: number; top: number; right: number; bottom: number } | null {
        const m = this.measure?.measureText(utf8);
        if (!m) return null;
        const left = Math.floor(-m.actualBoundingBoxLeft);
        const right = Math.ceil(m.actualBoundingBoxRight);
        const top = Math.floor(this.ascent - m.actualBoundingBoxAscent);
        const bottom = Math.ceil(this.ascent + m.actualBoundingBoxDescent);
        return right > left && bottom > top ? { left, top, right, bottom } : null;
    }
}
