// Debian's browsers driven by puppeteer-core, headless, with the page opened by file:// and
// every request that is not the page itself stopped and written down.
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const kAllBrowsers = [
    { name: "chromium", browser: "chrome", executablePath: "/usr/bin/chromium",
      args: ["--no-sandbox", "--disable-gpu", "--font-render-hinting=none"] },
    { name: "firefox-esr", browser: "firefox", executablePath: "/usr/bin/firefox-esr", args: [] },
];

// `KEMORA_BROWSERS` (names, comma-separated) picks some of them.
export const kBrowsers = kAllBrowsers.filter((kind) =>
    !process.env.KEMORA_BROWSERS || process.env.KEMORA_BROWSERS.split(",").includes(kind.name));

export const kMenuHeight = 25;  // CSS pixels of the menu bar, its border included

export function launch(kind) {
    return puppeteer.launch({
        browser: kind.browser,
        executablePath: kind.executablePath,
        headless: true,
        args: kind.args,
    });
}

// The page's file; `KEMORA_PAGE` names it.
export function pageUrl(query = "") {
    const path = process.env.KEMORA_PAGE;
    if (!path) throw new Error("KEMORA_PAGE is not set");
    return pathToFileURL(path).href + query;
}

// Opens the page in a new tab of `browser`. With `clock`, the page's time of day is fixed at
// `timeOfDay` seconds and its animation frames run only when the test asks (`runFrames`),
// each 16 ms after the one before, so that the molecules move as the desktop's do. `init`
// runs in the page before its own scripts.
export async function openPage(browser, { width = 800, height = 559 + kMenuHeight, ratio = 1, query = "",
                                          clock = false, timeOfDay = 45296.25, init = null } = {}) {
    // A context of its own: no storage left by another test.
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    if (init) await page.evaluateOnNewDocument(init);
    const requests = [];
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    await page.setRequestInterception(true);
    page.on("request", (request) => {
        const url = request.url();
        if (url.startsWith(pageUrl()) || url.startsWith("data:")) {
            void request.continue();
        } else {
            requests.push(url);
            void request.abort();
        }
    });
    await page.setViewport({ width, height, deviceScaleFactor: ratio });
    if (clock) {
        await page.evaluateOnNewDocument((seconds) => {
            const RealDate = Date;
            const midnight = new RealDate(2026, 0, 15).getTime();
            const fixed = midnight + seconds * 1000;
            globalThis.Date = class extends RealDate {
                constructor(...args) {
                    if (args.length === 0) super(fixed);
                    else super(...args);
                }
                static now() {
                    return fixed;
                }
            };
            const waiting = new Map();
            let next = 1;
            let time = 1000;
            globalThis.requestAnimationFrame = (callback) => {
                waiting.set(next, callback);
                return next++;
            };
            globalThis.cancelAnimationFrame = (id) => waiting.delete(id);
            globalThis.runFrames = (count) => {
                for (let i = 0; i < count; ++i) {
                    time += 16;
                    const callbacks = [...waiting.values()];
                    waiting.clear();
                    for (const callback of callbacks) callback(time);
                }
            };
        }, timeOfDay);
    }
    await page.goto(pageUrl(query));
    await page.waitForSelector("body[data-ready=true]", { timeout: 10000 });
    return { page, requests, errors };
}

// Types `text` into the volume field as a person does: everything selected, then key by key.
export async function typeVolume(page, text) {
    await page.focus("#txtValue");
    await page.$eval("#txtValue", (field) => field.select());
    await page.keyboard.type(text);
}
