// The page as a person uses it, in Debian's Chromium and Firefox ESR: opened by file:// with
// the network off, driven by the desktop's objectNames, compared with the desktop's pictures.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import { kBrowsers, kMenuHeight, launch, openPage, typeVolume } from "./browsers.mjs";
import { act, canvasPicture, desktopPictures, difference } from "./pictures.mjs";

// The desktop's tool that draws the same panels (tests/web/desktop_pictures).
const tool = process.env.KEMORA_DESKTOP_PICTURES;
if (!tool) throw new Error("KEMORA_DESKTOP_PICTURES is not set");
const kTimeOfDay = 45296.25;  // 12:34:56.25, the molecules' seed on both sides

// A text's ink on the desktop, widened, as the page's font places labels a little apart.
function inLabels(texts) {
    return (x, y) => texts.some(([left, top, right, bottom]) =>
        x >= left - 4 && x < right + 4 && y >= top - 3 && y < bottom + 3);
}

for (const kind of kBrowsers) {
    describe(kind.name, { concurrency: false }, () => {
        let browser;
        before(async () => {
            browser = await launch(kind);
        });
        after(async () => {
            await browser?.close();
        });

        test("opens from a file and asks for nothing outside itself", async () => {
            const { page, requests, errors } = await openPage(browser);
            const csp = await page.$eval('meta[http-equiv="Content-Security-Policy"]', (m) => m.content);
            assert.match(csp, /default-src 'none'/);
            // A request the page might make is refused by the browser itself.
            const fetched = await page.evaluate(async () => {
                try {
                    await fetch("https://example.com/");
                    return "fetched";
                } catch {
                    return "refused";
                }
            });
            assert.equal(fetched, "refused");
            assert.deepEqual(requests, []);
            assert.deepEqual(errors, []);
            assert.equal(await page.title(), "蒸気圧曲線　-　");
            await page.close();
        });

        const runs = [
            { name: "water, a volume on the plateau then past saturation", actions: ["type=150", "ticks=3", "type=30", "ticks=2"] },
            { name: "ethanol, chosen in the list", actions: ["liquid=1", "ticks=2", "type=20", "ticks=2", "type=195", "ticks=1"] },
            { name: "diethyl ether, after the graph had points", actions: ["type=90", "liquid=2", "ticks=2", "type=5", "ticks=4"] },
        ];
        for (const run of runs) {
            test(`the same pressure, lid, graph and molecules as the desktop: ${run.name}`, async () => {
                const desktop = desktopPictures(tool, kTimeOfDay, run.actions);
                const { page, errors } = await openPage(browser, { clock: true, timeOfDay: kTimeOfDay });
                await page.evaluate(() => runFrames(1));  // the first frame only starts the count
                await act(page, run.actions);
                assert.equal(await page.$eval("#txtAturyoku", (e) => e.value), desktop.state.pressure);
                const lidTop = await page.$eval("#picTenjyou", (e) => parseFloat(e.style.top));
                assert.equal(lidTop, desktop.state.lidTop);

                // The graph: every pixel but the labels'.
                const graph = difference(await canvasPicture(page, "#picGrph"), desktop.picGrph, inLabels(desktop.state.texts));
                assert.equal(graph.pixels, 0, `graph differs, first at ${JSON.stringify(graph.first)}`);

                // The molecules: on the same pixels; within a sprite the two painters' shading may
                // differ, by no more than the two sprites differ.
                const sprites = difference(await canvasPicture(page, "#picSp"), desktop.sprite);
                const cylinder = difference(await canvasPicture(page, "#picBack"), desktop.picBack);
                assert.ok(cylinder.largest <= sprites.largest,
                          `cylinder differs by ${cylinder.largest} at ${JSON.stringify(cylinder.first)}, the sprites by ${sprites.largest}`);
                console.log(`# ${kind.name}, ${run.name}: sprite shading differs by at most ${sprites.largest}/255 ` +
                            `(${sprites.pixels} of 100 pixels); the cylinder by ${cylinder.largest} in ${cylinder.pixels} pixels`);
                assert.deepEqual(errors, []);
                await page.close();
            });
        }

        test("the language: 言語 / Language, kept in the browser, and ?lang", async () => {
            const { page } = await openPage(browser);
            const texts = () => page.evaluate(() => ({
                volume: document.getElementById("Label1_0").textContent,
                liquid: document.getElementById("cmbLiquid").selectedOptions[0].textContent,
                view: document.getElementById("menu_view").textContent,
                name: document.getElementById("txtValue").getAttribute("aria-label"),
                title: document.title,
            }));
            assert.deepEqual(await texts(), { volume: "容量", liquid: "水", view: "表示(V)", name: "容量", title: "蒸気圧曲線　-　" });
            await typeVolume(page, "120");
            await page.click("#menu_view");
            await page.click("#menu_langEn");
            assert.deepEqual(await texts(), { volume: "Volume", liquid: "Water", view: "View", name: "Volume", title: "Vapor Pressure Curve -" });
            // Nothing on the screen is lost.
            assert.equal(await page.$eval("#txtValue", (e) => e.value), "120");
            // The fields beside the wider English captions moved right.
            const [caption, field] = await page.evaluate(() => ["Label1_0", "txtValue"].map((id) => document.getElementById(id).getBoundingClientRect().toJSON()));
            assert.ok(field.left >= caption.left + 1, "the field keeps right of its caption");
            await page.reload();
            await page.waitForSelector("body[data-ready=true]");
            assert.equal((await texts()).volume, "Volume", "remembered");
            await page.goto(`${page.url().split("?")[0]}?lang=ja`);
            await page.waitForSelector("body[data-ready=true]");
            assert.equal((await texts()).volume, "容量", "?lang=ja for one visit");
            await page.evaluate(() => localStorage.clear());
            await page.close();
        });

        const fits = [[1024, 768, 1], [1024, 768, 2], [1920, 1080, 1], [1920, 1080, 2], [768, 1024, 1]];
        for (const [width, height, ratio] of fits) {
            test(`fills a ${width} × ${height} viewport at device pixel ratio ${ratio}, sharp`, async () => {
                const { page } = await openPage(browser, { width, height, ratio });
                const shown = await page.evaluate(() => {
                    const box = (id) => document.getElementById(id).getBoundingClientRect().toJSON();
                    const canvas = (id) => {
                        const c = document.getElementById(id);
                        return { width: c.width, height: c.height, css: c.getBoundingClientRect().toJSON() };
                    };
                    return { client: box("client"), picBack: canvas("picBack"), picGrph: canvas("picGrph"),
                             background: canvas("background") };
                });
                const available = { width, height: height - kMenuHeight };
                const { client } = shown;
                assert.ok(client.left >= 0 && client.top >= kMenuHeight - 0.01, `inside the viewport: ${JSON.stringify(client)}`);
                assert.ok(client.right <= width + 0.01 && client.bottom <= height + 0.01, "inside the viewport");
                // As large as the proportions allow: one side fills the viewport to a device pixel.
                const spare = Math.min(available.width - client.width, available.height - client.height);
                assert.ok(spare * ratio <= 1.01, `${spare} CSS pixels to spare`);
                // Every canvas shows its image one to one on the screen's device pixels.
                for (const name of ["picBack", "picGrph", "background"]) {
                    const c = shown[name];
                    assert.ok(Math.abs(c.css.width * ratio - c.width) < 0.01 && Math.abs(c.css.height * ratio - c.height) < 0.01,
                              `${name}: ${c.width}×${c.height} shown at ${c.css.width}×${c.css.height}`);
                    assert.ok(Math.abs(c.css.left * ratio - Math.round(c.css.left * ratio)) < 0.01, `${name} on a whole device pixel`);
                }
                // The graph box keeps its proportions (the pixel rule rounds each side alone).
                const factor = shown.picGrph.width / 315;
                assert.ok(Math.abs(shown.picGrph.height - 334 * factor) <= 1);
                await page.close();
            });
        }

        test("keys: F5 switches scenario mode without reloading, F6 and F7 the graph", async () => {
            const { page } = await openPage(browser);
            await page.evaluate(() => { window.notReloaded = true; });
            const checked = (id) => page.$eval(id, (e) => e.getAttribute("aria-checked"));
            await page.keyboard.press("F5");
            assert.equal(await checked("#menu_scenarioMode"), "true");
            assert.equal(await page.$eval("#picSinario", (e) => e.getAttribute("aria-pressed")), "true");
            await page.keyboard.press("F5");
            assert.equal(await checked("#menu_scenarioMode"), "false");
            await page.keyboard.press("F6");
            assert.equal(await checked("#menu_graphVisible"), "false");
            await page.keyboard.press("F6");
            assert.equal(await checked("#menu_graphVisible"), "true");
            // Ctrl+P pauses (no print dialog), Ctrl+R resets (no reload).
            await page.keyboard.down("Control");
            await page.keyboard.press("p");
            await page.keyboard.up("Control");
            assert.equal(await checked("#menu_pause"), "true");
            await typeVolume(page, "30");
            await page.keyboard.down("Control");
            await page.keyboard.press("r");
            await page.keyboard.up("Control");
            assert.equal(await page.$eval("#txtValue", (e) => e.value), "0");
            assert.equal(await page.evaluate(() => window.notReloaded), true);
            // Up-arrow in the volume field steps the volume.
            await typeVolume(page, "10");
            await page.keyboard.press("ArrowUp");
            await page.keyboard.press("PageUp");
            assert.equal(await page.$eval("#txtValue", (e) => e.value), "65");
            await page.close();
        });

        test("a three-step scenario built through the core's face runs by the playback keys", async () => {
            const desktop = desktopPictures(tool, kTimeOfDay, ["liquid=1", "ticks=1", "type=150"]);
            const { page, errors } = await openPage(browser);
            await page.evaluate(() => {
                const { core, mainWindow } = window.kemora;
                mainWindow.AssignTitle("気化の実験");
                for (const step of [core.BuildSetVolumeStep("40", false).step, core.BuildChangeLiquidStep(1),
                                    core.BuildSetVolumeStep("150", false).step]) {
                    if (!mainWindow.AddStep(step, -1)) throw new Error("step refused");
                }
                mainWindow.Form_Activate();  // as the scenario editor's closing does
            });
            const shown = () => page.evaluate(() => ({
                title: document.title.replace(/ +/g, " "),
                volume: document.getElementById("txtValue").value,
                liquid: document.getElementById("cmbLiquid").selectedIndex,
                pressure: document.getElementById("txtAturyoku").value,
                mode: document.getElementById("picSinario").getAttribute("aria-pressed"),
            }));
            await page.click("#picSinario");
            assert.equal((await shown()).mode, "true");
            // A release whose press the page never received runs nothing.
            await page.evaluate(() => document.dispatchEvent(new KeyboardEvent("keyup", { key: "ArrowDown", bubbles: true })));
            assert.equal((await shown()).title, "蒸気圧曲線　-　気化の実験");
            await page.keyboard.press("ArrowDown");
            assert.deepEqual(await shown(), { title: "蒸気圧曲線　-　気化の実験 [1]", volume: "40", liquid: 0,
                                              pressure: (await shown()).pressure, mode: "true" });
            await page.keyboard.press("Enter");
            assert.equal((await shown()).liquid, 1);
            // Space, with the focus on the scenario button, runs the step and does not press it.
            await page.keyboard.press(" ");
            assert.deepEqual(await shown(), { title: "蒸気圧曲線　-　気化の実験 [3]", volume: "150", liquid: 1,
                                              pressure: desktop.state.pressure, mode: "true" });
            assert.deepEqual(errors, []);
            await page.close();
        });

        test("a hidden page stops ticking and goes on where it was, without catching up", async () => {
            const { page } = await openPage(browser, { clock: true });
            const cylinder = () => page.$eval("#picBack", (c) => c.toDataURL());
            const setHidden = (hidden) => page.evaluate((value) => {
                Object.defineProperty(document, "hidden", { value, configurable: true });
                document.dispatchEvent(new Event("visibilitychange"));
            }, hidden);
            await page.evaluate(() => runFrames(1));
            await typeVolume(page, "150");
            await page.evaluate(() => runFrames(3));
            const shown = await cylinder();
            await setHidden(true);
            await page.evaluate(() => runFrames(600));
            assert.equal(await cylinder(), shown, "no frame while hidden");
            await setHidden(false);
            // The first frame after showing only starts the count again.
            await page.evaluate(() => runFrames(1));
            assert.equal(await cylinder(), shown, "no burst of missed ticks");
            await page.evaluate(() => runFrames(8));
            assert.notEqual(await cylinder(), shown, "the molecules move again");
            await page.close();
        });

        test("names for screen readers, as the desktop's", async () => {
            const { page } = await openPage(browser);
            await typeVolume(page, "150");
            const rows = [
                ["#txtValue", "aria-label", "容量"],
                ["#UpDownOndo_up", "aria-label", "5 リットル増やす"],
                ["#txtAturyoku", "aria-label", "圧力（mmHg）"],
                ["#txtAturyoku", "aria-live", "polite"],
                ["#cmbLiquid", "aria-label", "液体の種類"],
                ["#picSinario", "aria-label", "シナリオモード"],
                ["#picGrphSw", "aria-label", "グラフの表示"],
                ["#picGrphCls", "aria-label", "グラフの消去"],
                ["#picBack", "aria-label", "シリンダー"],
                ["#picGrph", "aria-label", "圧力と容量のグラフ"],
                ["#picGrph", "aria-description", "容量 150 リットル、圧力 36.9 mmHg"],
                ["#menuBar", "role", "menubar"],
            ];
            for (const [selector, attribute, value] of rows) {
                assert.equal(await page.$eval(selector, (e, a) => e.getAttribute(a), attribute), value, `${selector} ${attribute}`);
            }
            assert.match(await page.$eval("#picBack", (e) => e.getAttribute("aria-description")), /^(液体 \d+ 層、気体 \d+ 層|すべて液体|すべて気体)$/);
            await page.close();
        });

        test("touch and clicks: the volume's arrows and the round buttons", async () => {
            const { page } = await openPage(browser);
            await typeVolume(page, "20");
            await page.tap("#UpDownOndo_up");
            assert.equal(await page.$eval("#txtValue", (e) => e.value), "25");
            await page.click("#UpDownOndo_down");
            await page.click("#UpDownOndo_down");
            assert.equal(await page.$eval("#txtValue", (e) => e.value), "15");
            await page.click("#picGrphSw");
            assert.equal(await page.$eval("#picGrphSw", (e) => e.getAttribute("aria-pressed")), "false");
            assert.equal(await page.$eval("#picGrph", (e) => e.getAttribute("aria-description")), "グラフは隠されています");
            await page.close();
        });
    });
}
