// Paints what the core draws into a panel onto a canvas, in device pixels: the core has
// already decided which pixels each fill, line and sprite covers, so the canvas only fills
// rectangles, copies parts of the sprite and writes text.
import type { DeviceSurface, TextInk } from "./core";

// The graph's labels: the Japanese system fonts at 9 logical pixels, regular weight.
export const kFontStack =
    '"Noto Sans JP", "Hiragino Sans", "Hiragino Kaku Gothic ProN", "Yu Gothic UI", "Yu Gothic", ' +
    'Meiryo, "IPAPGothic", "Noto Sans CJK JP", sans-serif';
const kLabelPixels = 9;

function cssColor(rgb: number): string {
    return "#" + (rgb & 0xffffff).toString(16).padStart(6, "0");
}

export class CanvasPainter implements DeviceSurface {
    // Logical pixels from one printed line to the next.
    readonly lineSpacing = Math.round(kLabelPixels * 1.2);
    private readonly context: CanvasRenderingContext2D;
    private sprite_: HTMLCanvasElement | null = null;
    private fontPixels = kLabelPixels;
    private ascent = kLabelPixels;

    constructor(readonly canvas: HTMLCanvasElement, private readonly background: string) {
        const context = canvas.getContext("2d", { alpha: false });
        if (!context) throw new Error("no 2d context");
        this.context = context;
    }

    // A fresh image of `width` × `height` device pixels in the background colour, with the
    // sprite and the text size at the same device scale.
    resize(width: number, height: number, sprite: HTMLCanvasElement | null, fontPixels: number) {
        this.canvas.width = width;
        this.canvas.height = height;
        this.sprite_ = sprite;
        this.fontPixels = fontPixels;
        const c = this.context;
        c.imageSmoothingEnabled = false;
        c.fillStyle = this.background;
        c.fillRect(0, 0, width, height);
        c.font = `${this.fontPixels}px ${kFontStack}`;
        c.textBaseline = "alphabetic";
        this.ascent = Math.round(c.measureText("0").fontBoundingBoxAscent);
    }

    fill(x: number, y: number, width: number, height: number, rgb: number): void {
        this.context.fillStyle = cssColor(rgb);
        this.context.fillRect(x, y, width, height);
    }

    sprite(x: number, y: number, width: number, height: number, sourceX: number, sourceY: number): void {
        if (this.sprite_) {
            this.context.drawImage(this.sprite_, sourceX, sourceY, width, height, x, y, width, height);
        }
    }

    text(x: number, y: number, utf8: string): void {
        const c = this.context;
        c.fillStyle = "black";
        c.fillText(utf8, x, y + this.ascent);
    }

    textInk(utf8: string): TextInk | null {
        const m = this.context.measureText(utf8);
        const left = Math.floor(-m.actualBoundingBoxLeft);
        const right = Math.ceil(m.actualBoundingBoxRight);
        const top = Math.floor(this.ascent - m.actualBoundingBoxAscent);
        const bottom = Math.ceil(this.ascent + m.actualBoundingBoxDescent);
        return right > left && bottom > top ? { left, top, right, bottom } : null;
    }

    // The canvas is shown as it is drawn; a frame is drawn whole inside one task.
    refresh(): void {}
}
