// What leaves the page, in Debian's Chromium and Firefox ESR: the CSV file against the
// desktop's bytes for the same states, the PNG downloads, the clipboard, the printed sheet,
// and the vapor-pressure window opened from its menu.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import { kBrowsers, launch, openPage, typeVolume } from "./browsers.mjs";
import { act, desktopPictures } from "./pictures.mjs";

const tool = process.env.KEMORA_DESKTOP_PICTURES;
if (!tool) throw new Error("KEMORA_DESKTOP_PICTURES is not set");
const kTimeOfDay = 45296.25;

// Keeps every download the page starts: its name and its bytes.
function recordDownloads() {
    const blobs = new Map();
    const create = URL.createObjectURL.bind(URL);
    URL.createObjectURL = (blob) => {
        const url = create(blob);
        blobs.set(url, blob);
        return url;
    };
    globalThis.downloads = [];
    const click = HTMLAnchorElement.prototype.click;
    HTMLAnchorElement.prototype.click = function () {
        if (this.download) {
            globalThis.downloads.push({ name: this.download, blob: blobs.get(this.href) });
            return;
        }
        click.call(this);
    };
}

// The downloads so far: names, and bytes as a Buffer.
async function downloads(page) {
    const list = await page.evaluate(async () => Promise.all(globalThis.downloads.map(async ({ name, blob }) =>
        ({ name, type: blob.type, bytes: [...new Uint8Array(await blob.arrayBuffer())] }))));
    return list.map((d) => ({ ...d, bytes: Buffer.from(d.bytes) }));
}

async function menu(page, title, item) {
    await page.click(`#${title}`);
    await page.click(`#${item}`);
}

// A PNG file's width and height from its header; throws when it is not a PNG.
function pngSize(bytes) {
    assert.deepEqual([...bytes.subarray(0, 8)], [137, 80, 78, 71, 13, 10, 26, 10], "a PNG signature");
    assert.equal(bytes.subarray(12, 16).toString("latin1"), "IHDR");
    return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) };
}

// The pages of a PDF file and the size of each, in points.
function pdfPages(bytes) {
    const text = bytes.toString("latin1");
    const pages = text.match(/\/Type\s*\/Page(?![s\w])/g) ?? [];
    const boxes = [...text.matchAll(/\/MediaBox\s*\[\s*([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s*\]/g)]
        .map((m) => ({ width: Number(m[3]) - Number(m[1]), height: Number(m[4]) - Number(m[2]) }));
    return { count: pages.length, boxes };
}

for (const kind of kBrowsers) {
    describe(`${kind.name}: exports`, { concurrency: false }, () => {
        let browser;
        before(async () => {
            browser = await launch(kind);
        });
        after(async () => {
            await browser?.close();
        });

        const runs = [
            { name: "water on the plateau and past it", actions: ["type=150", "ticks=2", "type=30", "ticks=1", "type=650", "ticks=1"] },
            { name: "three liquids, one after another", actions: ["type=300", "ticks=1", "liquid=1", "ticks=2", "type=20", "ticks=1",
                                                             "liquid=2", "ticks=2", "type=5", "ticks=1", "type=400", "ticks=1"] },
        ];
        for (const run of runs) {
            test(`データをCSVで保存 downloads the desktop's bytes: ${run.name}`, async () => {
                const desktop = desktopPictures(tool, kTimeOfDay, run.actions);
                const { page, errors } = await openPage(browser, { clock: true, timeOfDay: kTimeOfDay, init: recordDownloads });
                await page.evaluate(() => runFrames(1));
                await act(page, run.actions);
                await menu(page, "menu_File", "menu_saveCsv");
                const [csv, ...more] = await downloads(page);
                assert.equal(more.length, 0);
                assert.equal(csv.name, "蒸気圧のデータ.csv");
                assert.ok(desktop.csv.length > 0, "the desktop wrote rows");
                assert.equal(csv.bytes.toString("hex"), desktop.csv.toString("hex"),
                             `page:\n${csv.bytes.toString("utf8")}\ndesktop:\n${desktop.csv.toString("utf8")}`);
                assert.deepEqual(errors, []);
                await page.close();
            });
        }

        test("データをCSVで保存 is offered exactly while states are plotted", async () => {
            const { page, errors } = await openPage(browser, { init: recordDownloads });
            const offered = async () => {
                await page.click("#menu_File");
                const enabled = await page.$eval("#menu_saveCsv", (item) => !item.disabled);
                await page.keyboard.press("Escape");
                return enabled;
            };
            assert.equal(await offered(), false);
            // Even asked for, nothing plotted gives no file.
            await page.$eval("#menu_saveCsv", (item) => item.click());
            assert.deepEqual(await downloads(page), []);
            await typeVolume(page, "100");
            assert.equal(await offered(), true);
            await page.click("#picGrphCls");
            assert.equal(await offered(), false);
            assert.deepEqual(errors, []);
            await page.close();
        });

        for (const ratio of [1, 2]) {
            test(`the PNG downloads are the pictures at the screen's pixels (ratio ${ratio})`, async () => {
                const { page, errors } = await openPage(browser, { width: 1280, height: 800, ratio, init: recordDownloads });
                await typeVolume(page, "200");
                // The graph, then the whole window, as the save dialog offers them.
                for (const choice of ["saveImageGraph", "saveImageWindow"]) {
                    await menu(page, "menu_File", "menu_saveImage");
                    await page.waitForSelector("#saveImageDialog[open]");
                    await page.click(`#${choice}`);
                    await page.waitForFunction(() => !document.getElementById("saveImageDialog").open);
                }
                // Escape or × chooses neither.
                for (const close of [() => page.keyboard.press("Escape"), () => page.click("#saveImageClose")]) {
                    await menu(page, "menu_File", "menu_saveImage");
                    await page.waitForSelector("#saveImageDialog[open]");
                    await close();
                    await page.waitForFunction(() => !document.getElementById("saveImageDialog").open);
                }
                await menu(page, "menu_view", "menu_curve");
                await page.waitForSelector("#frmCurve[open]");
                await page.click("#cmdSave");
                await page.waitForFunction(() => globalThis.downloads.length === 3);
                const [graph, window, curve] = await downloads(page);
                const expected = await page.evaluate(() => ["picGrph", "client", "picCurve"].map((id) => {
                    const element = document.getElementById(id);
                    const box = element.getBoundingClientRect();
                    return { cssWidth: box.width, cssHeight: box.height };
                }));
                assert.deepEqual([graph.name, window.name, curve.name], ["蒸気圧のグラフ.png", "蒸気圧のグラフ.png", "蒸気圧曲線.png"]);
                [graph, window, curve].forEach((file, i) => {
                    const size = pngSize(file.bytes);
                    const shown = expected[i];
                    // As sharp as the screen: a device pixel for each.
                    assert.ok(Math.abs(size.width - shown.cssWidth * ratio) <= 1 && Math.abs(size.height - shown.cssHeight * ratio) <= 1,
                              `${i}: ${JSON.stringify(size)} for ${JSON.stringify(shown)} CSS pixels`);
                });
                assert.deepEqual(errors, []);
                await page.close();
            });
        }

        test("the curve window: opened from 表示, follows the liquid, reads out, Esc closes it", async () => {
            const { page, errors } = await openPage(browser, { width: 1280, height: 800 });
            await typeVolume(page, "300");
            await menu(page, "menu_view", "menu_curve");
            await page.waitForSelector("#frmCurve[open]");
            assert.equal(await page.$eval("#frmCurve", (d) => d.dataset.liquid), "0");
            // The main window keeps its keys while the window is open beside it.
            assert.equal(await page.evaluate(() => document.activeElement?.closest("dialog")), null);

            await page.select("#cmbLiquid", await page.$eval("#cmbLiquid", (s) => s.options[2].value));
            await page.waitForFunction(() => document.getElementById("frmCurve").dataset.liquid === "2", { timeout: 5000 });

            const readout = () => page.$eval("#lblReadout", (e) => e.textContent);
            const idle = await readout();
            const box = await page.$eval("#picCurve", (c) => c.getBoundingClientRect().toJSON());
            await page.mouse.move(box.x + box.width * 0.6, box.y + box.height * 0.5);
            const read = await readout();
            assert.notEqual(read, idle);
            assert.match(read, /^-?\d+ °C：　水 [\d.]+ mmHg　　エタノール [\d.]+ mmHg　　ジエチルエーテル [\d.]+ mmHg$/);
            await page.mouse.move(box.x + 2, box.y + 2);
            assert.equal(await readout(), idle, "off the plot, the hint again");

            await page.focus("#chkLog");
            await page.keyboard.press("Escape");
            await page.waitForFunction(() => !document.getElementById("frmCurve").open, { timeout: 5000 });
            // Ctrl+T, where the browser lets the page have it, opens it again.
            await page.focus("#txtValue");
            await page.keyboard.down("Control");
            await page.keyboard.press("t");
            await page.keyboard.up("Control");
            assert.equal(await page.$eval("#frmCurve", (d) => d.open), true);
            assert.deepEqual(errors, []);
            await page.close();
        });

        test("a copy the browser refuses says so, in the interface language, and nothing breaks", async () => {
            const { page, errors } = await openPage(browser, { query: "?lang=en" });
            await typeVolume(page, "100");
            await page.evaluate(() => {
                if (navigator.clipboard) navigator.clipboard.write = () => Promise.reject(new DOMException("denied", "NotAllowedError"));
            });
            for (const item of ["menu_copyGraph", "menu_copyWindow"]) {
                await menu(page, "menu_Edit", item);
                await page.waitForSelector("#msgBox[open]");
                assert.equal(await page.$eval("#msgBox_text", (e) => e.textContent), "Could not copy to the clipboard.");
                await page.click("#msgBox_ok");
                await page.waitForFunction(() => document.getElementById("msgBox") === null);
            }
            // The main window goes on.
            await typeVolume(page, "600");
            assert.notEqual(await page.$eval("#txtAturyoku", (e) => e.value), "");
            assert.deepEqual(errors, []);
            await page.close();
        });

        test("グラフをコピー and Ctrl+C put the graph on the clipboard as PNG, ウィンドウをコピー the window", async () => {
            const { page, errors } = await openPage(browser, { ratio: 2 });
            await typeVolume(page, "250");
            // The browser's clipboard, which asks a file:// page for a permission no test can
            // grant, is replaced by one that keeps what it is given.
            await page.evaluate(() => {
                globalThis.copied = [];
                globalThis.writes = 0;
                navigator.clipboard.write = async (items) => {
                    globalThis.writes += 1;
                    for (const item of items) {
                        const bitmap = await createImageBitmap(await item.getType("image/png"));
                        globalThis.copied.push({ types: [...item.types], width: bitmap.width, height: bitmap.height });
                    }
                };
            });
            await page.$eval("#txtValue", (field) => field.setSelectionRange(0, 0));
            // Ctrl+C with no text selected copies the graph.
            await page.keyboard.down("Control");
            await page.keyboard.press("c");
            await page.keyboard.up("Control");
            await menu(page, "menu_Edit", "menu_copyWindow");
            await page.waitForFunction(() => globalThis.copied.length === 2);
            const [graph, win] = await page.evaluate(() => globalThis.copied);
            const sizes = await page.evaluate(() => {
                const canvas = document.getElementById("picGrph");
                const client = document.getElementById("client").getBoundingClientRect();
                return { graph: { width: canvas.width, height: canvas.height },
                         window: { width: Math.round(client.width * 2), height: Math.round(client.height * 2) } };
            });
            assert.deepEqual(graph, { types: ["image/png"], ...sizes.graph });
            assert.deepEqual(win, { types: ["image/png"], ...sizes.window });
            // With the volume's digits selected, Ctrl+C is the field's own copy.
            await page.$eval("#txtValue", (field) => field.select());
            await page.keyboard.down("Control");
            await page.keyboard.press("c");
            await page.keyboard.up("Control");
            assert.equal(await page.evaluate(() => globalThis.writes), 2);
            assert.equal(await page.$("#msgBox"), null);
            assert.deepEqual(errors, []);
            await page.close();
        });

        if (kind.name === "chromium") {
            const sheets = [
                { name: "a few states", volumes: ["150", "30", "650"] },
                // More than the table's room: the rest is counted in a last line, still one sheet.
                { name: "more states than fit", volumes: Array.from({ length: 140 }, (_, i) => String(5 + i * 5)) },
            ];
            for (const sheet of sheets) {
                test(`印刷 gives one A4 landscape sheet with the graph and the table: ${sheet.name}`, async () => {
                    const { page, errors } = await openPage(browser, { width: 1280, height: 800 });
                    for (const volume of sheet.volumes) {
                        await page.$eval("#txtValue", (field, v) => {
                            field.value = v;
                            field.dispatchEvent(new Event("input"));
                        }, volume);
                    }
                    await page.evaluate(() => {
                        globalThis.printed = 0;
                        globalThis.print = () => { globalThis.printed += 1; };
                    });
                    await menu(page, "menu_File", "menu_print");
                    assert.equal(await page.evaluate(() => globalThis.printed), 1);
                    const shown = await page.evaluate(() => {
                        const sheetElement = document.getElementById("printSheet");
                        return {
                            squares: sheetElement.querySelectorAll("#printGraph rect").length,
                            headers: [...sheetElement.querySelectorAll(".header")].map((e) => e.textContent),
                            cells: sheetElement.querySelectorAll(".number, .word").length,
                            more: sheetElement.querySelector(".more")?.textContent ?? null,
                            title: sheetElement.querySelector(".title")?.textContent,
                            answers: sheetElement.querySelectorAll(".answerRule").length,
                        };
                    });
                    // The graph's background, and a square per state at least.
                    assert.ok(shown.squares > sheet.volumes.length, "the graph is on the sheet");
                    assert.equal(shown.title, "蒸気圧と容量の関係");
                    assert.deepEqual(shown.headers.slice(0, 3), ["容量 (L)", "圧力 (mmHg)", "状態"]);
                    assert.ok(shown.answers > 5, "room for answers");
                    if (sheet.volumes.length <= 3) {
                        assert.equal(shown.cells, sheet.volumes.length * 3);
                        assert.equal(shown.more, null);
                    } else {
                        assert.match(shown.more ?? "", /^…ほか \d+ 件$/);
                    }
                    await page.emulateMediaType("print");
                    const pdf = Buffer.from(await page.pdf({ preferCSSPageSize: true, printBackground: true }));
                    const { count, boxes } = pdfPages(pdf);
                    assert.equal(count, 1, "one sheet");
                    // A4 landscape: 297 × 210 mm in points.
                    assert.ok(boxes.length > 0);
                    for (const box of boxes) {
                        assert.ok(Math.abs(box.width - 841.89) < 1 && Math.abs(box.height - 595.28) < 1, JSON.stringify(box));
                    }
                    assert.deepEqual(errors, []);
                    await page.close();
                });
            }
        }
    });
}
