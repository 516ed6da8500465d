// How large the main window is drawn: as large as the browser's viewport allows for the
// window's designed proportions, below the menu bar, in device pixels per logical pixel.

export const kDesignWidth = 800;
export const kDesignHeight = 559;

export interface Viewport {
    width: number;             // CSS pixels
    height: number;            // CSS pixels, the menu bar's taken away
    devicePixelRatio: number;
}

// Device pixels per logical pixel, in whole thousandths (the core's pixel rule keeps the
// factor so), never more than fits.
export function fitFactor(viewport: Viewport): number {
    const css = Math.min(viewport.width / kDesignWidth, viewport.height / kDesignHeight);
    const thousandths = Math.floor(css * viewport.devicePixelRatio * 1000);
    return Math.max(thousandths, 1) / 1000;
}

// Where a stage of `deviceSize` device pixels starts, centred in `available` CSS pixels, on a
// whole device pixel so that nothing the canvases show is resampled.
export function centredStart(available: number, deviceSize: number, devicePixelRatio: number): number {
    const spare = Math.max(0, available * devicePixelRatio - deviceSize);
    return Math.floor(spare / 2) / devicePixelRatio;
}
