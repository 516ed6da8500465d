// Pictures for comparison: the desktop's (binary PPM, written by tests/web/desktop_pictures)
// and a canvas's pixels, both as RGB bytes.
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { typeVolume } from "./browsers.mjs";

export function readPpm(path) {
    const bytes = readFileSync(path);
    // "P6 <width> <height> <max>" and one blank, then the pixels.
    const header = /^P6\s+(\d+)\s+(\d+)\s+(\d+)\s/.exec(bytes.subarray(0, 64).toString("latin1"));
    if (!header) throw new Error(`${path} is no binary PPM`);
    const [text, width, height] = header;
    return { width: Number(width), height: Number(height), rgb: bytes.subarray(text.length) };
}

// Runs the desktop's tool for `actions` and reads what it wrote.
export function desktopPictures(tool, timeOfDay, actions) {
    const dir = mkdtempSync(join(tmpdir(), "kemora-desktop-"));
    execFileSync(tool, [dir, String(timeOfDay), ...actions], {
        env: { ...process.env, QT_QPA_PLATFORM: "offscreen" },
        stdio: ["ignore", "ignore", "inherit"],
    });
    return {
        picBack: readPpm(join(dir, "picBack.ppm")),
        picGrph: readPpm(join(dir, "picGrph.ppm")),
        sprite: readPpm(join(dir, "sprite.ppm")),
        state: JSON.parse(readFileSync(join(dir, "state.json"), "utf8")),
        csv: readFileSync(join(dir, "states.csv")),
    };
}

// A canvas of the page as RGB bytes.
export async function canvasPicture(page, selector) {
    const { width, height, base64 } = await page.$eval(selector, (canvas) => {
        const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
        let binary = "";
        for (let i = 0; i < data.length; i += 4) {
            binary += String.fromCharCode(data[i], data[i + 1], data[i + 2]);
        }
        return { width: canvas.width, height: canvas.height, base64: btoa(binary) };
    });
    return { width, height, rgb: Buffer.from(base64, "base64") };
}

// How two pictures of the same size differ: the largest difference of a channel, and how many
// pixels differ at all, leaving out the pixels for which `skip(x, y)` holds.
export function difference(a, b, skip = () => false) {
    if (a.width !== b.width || a.height !== b.height) {
        throw new Error(`sizes differ: ${a.width}×${a.height} and ${b.width}×${b.height}`);
    }
    let largest = 0;
    let pixels = 0;
    let first = null;
    for (let y = 0; y < a.height; ++y) {
        for (let x = 0; x < a.width; ++x) {
            if (skip(x, y)) continue;
            const at = 3 * (y * a.width + x);
            const d = Math.max(Math.abs(a.rgb[at] - b.rgb[at]), Math.abs(a.rgb[at + 1] - b.rgb[at + 1]),
                               Math.abs(a.rgb[at + 2] - b.rgb[at + 2]));
            if (d === 0) continue;
            ++pixels;
            first ??= { x, y };
            largest = Math.max(largest, d);
        }
    }
    return { largest, pixels, first };
}

// Runs `actions` (as tests/web/desktop_pictures takes them) in the page.
export async function act(page, actions) {
    for (const action of actions) {
        const [kind, value] = action.split("=");
        if (kind === "type") await typeVolume(page, value);
        else if (kind === "ticks") await page.evaluate((n) => runFrames(n), Number(value));
        else if (kind === "liquid") await page.select("#cmbLiquid", await page.$eval("#cmbLiquid", (s, i) => s.options[i].value, Number(value)));
        else throw new Error(action);
    }
}
