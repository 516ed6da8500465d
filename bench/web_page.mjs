// Measures the browser edition's page in headless Chromium, opened by file://:
//  - the first frame with molecules, in ms after the navigation started;
//  - a frame's work (the timer's handler: logic and drawing), in ms, over 600 frames at
//    150 litres (water, 30 °C: liquid and vapor side by side), at 100 % and at 2 × 1.5;
//  - the CPU time of all the browser's processes while the page animates for 10 s;
//  - the page's size, plain and gzipped.
// Usage: node bench/web_page.mjs [PAGE]   (PAGE: build/web/kemora.html)
import { readFileSync, readdirSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";

const top = join(dirname(fileURLToPath(import.meta.url)), "..");
// puppeteer-core is the page's own tool, installed in web/ by web/build.sh.
const { default: puppeteer } = await import(createRequire(join(top, "web/package.json")).resolve("puppeteer-core"));
const page = resolve(process.argv[2] ?? join(top, "build/web/kemora.html"));

// CPU seconds of a process and each of its descendants, by process, from /proc.
function cpuSeconds(pid) {
    const ticks = 100;  // USER_HZ, clock ticks per second on Linux
    const children = new Map();
    const own = new Map();
    for (const entry of readdirSync("/proc")) {
        if (!/^\d+$/.test(entry)) continue;
        try {
            const stat = readFileSync(`/proc/${entry}/stat`, "utf8");
            const fields = stat.slice(stat.lastIndexOf(")") + 2).split(" ");
            const parent = Number(fields[1]);
            own.set(Number(entry), (Number(fields[11]) + Number(fields[12])) / ticks);
            if (!children.has(parent)) children.set(parent, []);
            children.get(parent).push(Number(entry));
        } catch {
            // The process ended meanwhile.
        }
    }
    const tree = new Map();
    const walk = (id) => {
        tree.set(id, own.get(id) ?? 0);
        for (const child of children.get(id) ?? []) walk(child);
    };
    walk(pid);
    return tree;
}

// CPU seconds the browser's processes spend during `ms` milliseconds; a process that ends
// meanwhile counts with nothing.
async function cpuDuring(pid, ms) {
    const before = cpuSeconds(pid);
    await new Promise((done) => setTimeout(done, ms));
    let used = 0;
    for (const [id, seconds] of cpuSeconds(pid)) used += Math.max(0, seconds - (before.get(id) ?? 0));
    return used;
}

const browser = await puppeteer.launch({
    browser: "chrome",
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox"],
});

async function open(width, height, ratio) {
    const tab = await browser.newPage();
    await tab.setViewport({ width, height, deviceScaleFactor: ratio });
    await tab.goto(pathToFileURL(page).href);
    await tab.waitForSelector("body[data-ready=true]");
    return tab;
}

const firstFrames = [];
for (let run = 0; run < 5; ++run) {
    const tab = await open(800, 584, 1);
    await tab.waitForFunction(() => performance.getEntriesByName("kemora-first-refresh-picBack").length > 0);
    firstFrames.push(await tab.evaluate(() => performance.getEntriesByName("kemora-first-refresh-picBack")[0].startTime));
    await tab.close();
}
firstFrames.sort((a, b) => a - b);
console.log(`first frame with molecules: median ${firstFrames[2].toFixed(0)} ms after navigation (runs: ${firstFrames.map((t) => t.toFixed(0)).join(", ")})`);

for (const [width, height, ratio, what] of [[800, 584, 1, "100 %"], [1200, 864, 2, "150 % at device pixel ratio 2"]]) {
    const tab = await open(width, height, ratio);
    const work = await tab.evaluate(() => {
        const { mainWindow } = window.kemora;
        document.getElementById("txtValue").value = "150";
        mainWindow.txtValue_Change();
        // A frame puts the cylinder's pixels onto its canvas once: that counts the frames among
        // the ticks (the pace skips ticks between frames).
        const back = document.getElementById("picBack");
        let frames = 0;
        const putImageData = CanvasRenderingContext2D.prototype.putImageData;
        CanvasRenderingContext2D.prototype.putImageData = function (...args) {
            if (this.canvas === back) ++frames;
            return putImageData.apply(this, args);
        };
        const batches = [];
        for (let batch = 0; batch < 20; ++batch) {
            frames = 0;
            const start = performance.now();
            for (let i = 0; i < 100; ++i) mainWindow.Timer1_Timer();
            batches.push((performance.now() - start) / Math.max(frames, 1));
        }
        batches.sort((a, b) => a - b);
        return { median: batches[10], worst: batches[19] };
    });
    console.log(`a frame's work at ${what}: median ${work.median.toFixed(3)} ms, worst batch ${work.worst.toFixed(3)} ms (logic and drawing, per drawn frame)`);
    await tab.close();
}

// For comparison: what the browser spends on an empty page, and on an empty page that only
// asks for every display frame, as the animation must.
for (const [what, script] of [["an empty page", ""],
                              ["an empty page asking for every frame", "const f = () => requestAnimationFrame(f); f();"]]) {
    const tab = await browser.newPage();
    await tab.setViewport({ width: 800, height: 584, deviceScaleFactor: 1 });
    await tab.goto("about:blank");
    await tab.evaluate(script);
    const used = await cpuDuring(browser.process().pid, 10000);
    console.log(`CPU of ${what}: ${(used / 10 * 100).toFixed(1)} % of one core`);
    await tab.close();
}

{
    const tab = await open(800, 584, 1);
    await tab.evaluate(() => {
        document.getElementById("txtValue").value = "150";
        window.kemora.mainWindow.txtValue_Change();
    });
    const used = await cpuDuring(browser.process().pid, 10000);
    console.log(`CPU while animating: ${(used / 10 * 100).toFixed(1)} % of one core (all of Chromium's processes, 10 s, headless)`);
    await tab.close();
}
await browser.close();

const bytes = readFileSync(page);
console.log(`kemora.html: ${(bytes.length / 1024).toFixed(0)} KB, gzipped ${(gzipSync(bytes, { level: 9 }).length / 1024).toFixed(0)} KB`);
