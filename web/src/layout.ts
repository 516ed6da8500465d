// Where the main window's controls sit, in its logical pixels as designed, and how they are
// placed at a device scale: every place and size through the core's pixel rule, so that the
// page's controls and canvases fall on the same device pixels as the desktop's.
import type { PixelScale } from "./core";

export type Scale = Pick<PixelScale, "position" | "length">;

export interface Place {
    x: number;
    y: number;
    width: number;
    height: number;
    fontPixels?: number;
}

const kLargeText = 27;   // pixels
const kMediumText = 19;  // pixels

export const kLidLeft = 33;
export const kLidHeight = 14;

// The readouts' captions, and the controls beside them that move right when a language's
// captions are wider than the design's room.
export const kCaptions = ["Label1_0", "Label1_1", "Label1_2", "Label1_3"] as const;
export const kBesideCaptions = ["txtValue", "UpDownOndo", "lblTmp", "txtAturyoku", "lblPress"] as const;
// The room the captions leave their text before the field beside them, a gap included.
export const kCaptionRoom = 56;
export const kCaptionFont = kLargeText;

export const kPlaces: Readonly<Record<string, Place>> = {
    background: { x: 0, y: 0, width: 800, height: 559 },
    picBack: { x: 38, y: 19, width: 371, height: 457 },
    picGrph: { x: 446, y: 64, width: 315, height: 334 },
    picSinario: { x: 464, y: 8, width: 81, height: 47 },
    picGrphSw: { x: 560, y: 8, width: 81, height: 47 },
    picGrphCls: { x: 656, y: 8, width: 81, height: 47 },
    Label1_1: { x: 477, y: 430, width: 65, height: 33, fontPixels: kLargeText },
    Label1_0: { x: 475, y: 428, width: 65, height: 41, fontPixels: kLargeText },
    Label1_3: { x: 478, y: 480, width: 65, height: 33, fontPixels: kLargeText },
    Label1_2: { x: 476, y: 479, width: 65, height: 41, fontPixels: kLargeText },
    txtValue: { x: 539, y: 428, width: 68, height: 36, fontPixels: kLargeText },
    UpDownOndo: { x: 607, y: 428, width: 16, height: 36 },
    lblTmp: { x: 624, y: 432, width: 89, height: 25, fontPixels: kLargeText },
    txtAturyoku: { x: 540, y: 475, width: 103, height: 36, fontPixels: kLargeText },
    lblPress: { x: 648, y: 480, width: 97, height: 33, fontPixels: kLargeText },
    cmbLiquid: { x: 40, y: 500, width: 173, height: 27, fontPixels: kMediumText },
};

// Puts `element` at `place` (logical pixels) at `scale`, on a screen of `devicePixelRatio`.
export function placeElement(element: HTMLElement, place: Place, scale: Scale,
                             devicePixelRatio: number): void {
    const css = (device: number) => `${device / devicePixelRatio}px`;
    element.style.left = css(scale.position(place.x));
    element.style.top = css(scale.position(place.y));
    element.style.width = css(scale.length(place.width));
    element.style.height = css(scale.length(place.height));
    if (place.fontPixels !== undefined) element.style.fontSize = css(scale.length(place.fontPixels));
}

// A canvas whose device pixels are the screen's: its image `width` × `height` device pixels,
// shown at exactly that size.
export function sizeCanvas(canvas: HTMLCanvasElement, width: number, height: number,
                           devicePixelRatio: number): void {
    canvas.width = width;
    canvas.height = height;
    canvas.style.width = `${width / devicePixelRatio}px`;
    canvas.style.height = `${height / devicePixelRatio}px`;
}
