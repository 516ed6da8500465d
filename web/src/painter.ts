// Paints what the core draws into a panel onto a canvas, in device pixels: the core has
// already decided which pixels each fill, line and sprite covers, so the canvas only fills
// rectangles, copies parts of the sprite and writes text.
import type { DeviceSurface, TextInk } from "./core";

// The graph's labels: the Japanese system fonts at 9 logical pixels, regular weight.
export const kFontStack =
    '"Noto Sans JP", "Hiragino Sans", "Hiragino Kaku Gothic ProN", "Yu Gothic UI", "Yu Gothic", ' +
    'Meiryo, "IPAPGothic", "Noto Sans CJK JP", sans-serif';
const kLabelPixels = 9;

// The panel's image is kept as pixels and put onto the canvas at refresh(), or else as soon as
// the handler that drew has returned: a canvas's own drawImage costs far more per call than
// copying ten rows of a sprite, and the pixels come out exactly as the core decided. Texts are
// written by the canvas itself.
export class CanvasPainter implements DeviceSurface {
    // Logical pixels from one printed line to the next.
    readonly lineSpacing = Math.round(kLabelPixels * 1.2);
    private readonly context: CanvasRenderingContext2D;
    private image: ImageData | null = null;
    private pixels = new Uint32Array(0);
    private spritePixels = new Uint32Array(0);
    private spriteWidth = 0;
    private fontPixels = kLabelPixels;
    private ascent = kLabelPixels;
    private refreshed = false;
    private presentPending = false;

    constructor(readonly canvas: HTMLCanvasElement, private readonly background: string) {
        const context = canvas.getContext("2d", { alpha: false, willReadFrequently: true });
        if (!context) throw new Error("no 2d context");
        this.context = context;
    }

    // A fresh image of `width` × `height` device pixels in the background colour, with the
    // sprite and the text size at the same device scale.
    resize(width: number, height: number, sprite: HTMLCanvasElement, fontPixels: number) {
        this.canvas.width = width;
        this.canvas.height = height;
        this.fontPixels = fontPixels;
        const c = this.context;
        c.fillStyle = this.background;
        c.fillRect(0, 0, width, height);
        c.font = `${this.fontPixels}px ${kFontStack}`;
        c.textBaseline = "alphabetic";
        this.ascent = Math.round(c.measureText("0").fontBoundingBoxAscent);
        this.image = c.getImageData(0, 0, width, height);
        this.pixels = new Uint32Array(this.image.data.buffer);
        const spriteContext = sprite.getContext("2d");
        this.spriteWidth = sprite.width;
        this.spritePixels = spriteContext
            ? new Uint32Array(spriteContext.getImageData(0, 0, sprite.width, sprite.height).data.buffer)
            : new Uint32Array(0);
    }

    // The core gives rectangles inside the image.
    fill(x: number, y: number, width: number, height: number, rgb: number): void {
        this.changed();
        // Pixels in memory order R, G, B, A: as a little-endian number A B G R.
        const pixel = (0xff000000 | ((rgb & 0xff) << 16) | (rgb & 0xff00) | ((rgb >> 16) & 0xff)) >>> 0;
        const stride = this.canvas.width;
        for (let row = y; row < y + height; ++row) {
            this.pixels.fill(pixel, row * stride + x, row * stride + x + width);
        }
    }

    sprite(x: number, y: number, width: number, height: number, sourceX: number, sourceY: number): void {
        this.changed();
        const stride = this.canvas.width;
        for (let row = 0; row < height; ++row) {
            const from = (sourceY + row) * this.spriteWidth + sourceX;
            this.pixels.set(this.spritePixels.subarray(from, from + width), (y + row) * stride + x);
        }
    }

    // Written by the canvas onto the pixels so far, which then take the text in.
    text(x: number, y: number, utf8: string): void {
        if (!this.image) return;
        this.changed();
        const c = this.context;
        c.putImageData(this.image, 0, 0);
        c.fillStyle = "black";
        c.fillText(utf8, x, y + this.ascent);
        this.image = c.getImageData(0, 0, this.canvas.width, this.canvas.height);
        this.pixels = new Uint32Array(this.image.data.buffer);
    }

    textInk(utf8: string): TextInk | null {
        const m = this.context.measureText(utf8);
        const left = Math.floor(-m.actualBoundingBoxLeft);
        const right = Math.ceil(m.actualBoundingBoxRight);
        const top = Math.floor(this.ascent - m.actualBoundingBoxAscent);
        const bottom = Math.ceil(this.ascent + m.actualBoundingBoxDescent);
        return right > left && bottom > top ? { left, top, right, bottom } : null;
    }

    // What draw() has put is shown as soon as the task ends; a frame is drawn whole inside
    // one task. The first frame is marked on the page's timeline, for the benchmarks.
    refresh(): void {
        this.present();
        if (!this.refreshed) performance.mark(`kemora-first-refresh-${this.canvas.id}`);
        this.refreshed = true;
    }

    // Shows the pixels once the handler that is drawing has returned.
    private changed(): void {
        if (this.presentPending) return;
        this.presentPending = true;
        queueMicrotask(() => this.present());
    }

    private present(): void {
        if (!this.presentPending || !this.image) return;
        this.presentPending = false;
        this.context.putImageData(this.image, 0, 0);
    }
}
