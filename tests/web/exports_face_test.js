// The core's face for what leaves the page, driven from Node as the page drives it: the curve
// window's readout and axes, the printed sheet's heading, table layout and vector graph.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const createKemoraCore = require(process.env.KEMORA_CORE);

// Water at 27 °C, 1 mol, mmHg, volume axis 0..700 L, pressure axis 0..800 mmHg.
const settingsFile = new TextEncoder().encode(
    '[DATA]\r\ntemperature=27\r\nmol=1\r\ntemperatureUnit=0\r\npressureUnit=0\r\n' +
    'grphWMin=0\r\ngrphWMax=700\r\ngrphHMin=0\r\ngrphHMax=800\r\n');

function surface() {
    return {
        lineSpacing: 11,
        fill() {}, sprite() {}, text() {}, refresh() {},
        textInk(utf8) { return utf8 ? {left: 0, top: 0, right: 5 * utf8.length, bottom: 9} : null; },
    };
}

// A main window whose volume field holds `volume`, with the states of `volumes` plotted.
async function windowWith(volumes) {
    const core = await createKemoraCore();
    const view = {
        volume: '0', liquid: 0, cylinder: surface(), graphBox: surface(),
        volumeText() { return this.volume; }, setVolumeText(t) { this.volume = t; },
        setPressureText() {}, setLidTop() {}, setUnitLabel() {}, setVolumeMaximum() {},
        liquidIndex() { return this.liquid; }, setLiquidIndex(i) { this.liquid = i; },
        setCaption() {}, setButtonLit() {}, repaintWindow() {}, describeCylinder() {},
        describeGraph() {}, timeOfDay() { return 36000.5; },
    };
    const win = new core.MainWindow(view);
    win.setSettingsBytes(settingsFile);
    win.Form_Load();
    win.Form_Activate();
    for (const volume of volumes) {
        view.volume = volume;
        win.txtValue_Change();
    }
    return {core, win};
}

const words = {
    liquids: ['水', 'エタノール', 'ジエチルエーテル'],
    phases: ['すべて液体', '液体と蒸気', 'すべて蒸気'],
    columns: ['容量', '圧力', '液体', '温度', '物質量', '状態'],
};

test('the readout at a temperature of the axis, and none outside the table', async () => {
    const {core, win} = await windowWith([]);
    const at27 = core.CurveReadout(win, 27.3);
    assert.equal(at27.temperature, 27);
    // The main window's pressure at 27 °C on the plateau.
    assert.equal(at27.pressureTexts[0], '31.4');
    assert.equal(at27.pressureTexts.length, 3);
    for (const outside of [-150, 250, NaN, Infinity]) assert.equal(core.CurveReadout(win, outside), null, String(outside));
    win.delete();
});

test('the axis maps values to pixels and back, linear and logarithmic', async () => {
    const core = await createKemoraCore();
    const rows = [
        {scale: {low: 0, high: 100, lowPixel: 50, highPixel: 550, logarithmic: false}, value: 30, pixel: 200},
        {scale: {low: 1, high: 1000, lowPixel: 400, highPixel: 100, logarithmic: true}, value: 10, pixel: 300},
    ];
    for (const {scale, value, pixel} of rows) {
        assert.ok(Math.abs(core.CurveToPixel(scale, value) - pixel) < 1e-9, JSON.stringify(scale));
        assert.ok(Math.abs(core.CurveToValue(scale, pixel) - value) < 1e-9, JSON.stringify(scale));
    }
});

test('the printed table: blocks and rows for what fits, a last line counting the rest', async () => {
    const core = await createKemoraCore();
    const fits = core.PrintedTableLayout(3, 3, 133, 80);
    assert.equal(fits.shown, 3);
    assert.equal(fits.omitted, 0);
    assert.deepEqual(fits.places.map((p) => [p.block, p.row]), [[0, 1], [0, 2], [0, 3]]);
    const many = core.PrintedTableLayout(500, 3, 133, 80);
    assert.ok(many.blocks >= 2, 'blocks side by side');
    assert.equal(many.shown + many.omitted, 500);
    assert.equal(many.places.length, many.shown + 1, 'a line for the rest');
    // Counts that are no counts lay out nothing rather than anything undefined.
    for (const [count, columns] of [[NaN, 3], [-5, 3], [3, -1], [1e300, 3]]) {
        const layout = core.PrintedTableLayout(count, columns, 133, 80);
        assert.ok(layout.places.length <= layout.rowsPerBlock * layout.blocks, `${count} × ${columns}`);
    }
});

test('the printed sheet lists the states and draws the graph as vectors', async () => {
    const {core, win} = await windowWith(['650', '300']);
    const sheet = core.PrintedSheet(win, words);
    assert.deepEqual(sheet.headers, ['容量 (L)', '圧力 (mmHg)', '状態']);
    assert.deepEqual(sheet.rows, [['650', '28.8', 'すべて蒸気'], ['300', '31.4', '液体と蒸気']]);
    assert.deepEqual([sheet.liquids, sheet.temperatures, sheet.mols], [[0], [27], [1]]);
    assert.equal(sheet.temperatureUnitText, '°C');

    const drawn = {fills: [], lines: [], texts: [], lineSpacing: 11,
                   fill(...a) { this.fills.push(a); }, line(...a) { this.lines.push(a); },
                   text(...a) { this.texts.push(a); }, textInk: () => ({left: 0, top: 0, right: 10, bottom: 9})};
    core.DrawGraphCopy(win, drawn);
    // Each square as it was last painted: earlier ones settle into the liquid's colour.
    const [background, ...squares] = drawn.fills;
    assert.equal(background[4], 0xffffff);
    assert.ok(background[2] >= core.kGraphBoxWidth && background[3] >= core.kGraphBoxHeight, 'the whole box');
    const last = new Map(squares.map(([x, y, , , rgb]) => [`${x},${y}`, rgb]));
    const settled = [...last.values()];
    assert.equal(settled.filter((rgb) => rgb === 0xff0000).length, 1, 'the newest state red');
    assert.ok(settled.filter((rgb) => rgb !== 0xff0000).length >= 1, 'the earlier one settled');
    assert.ok(drawn.lines.length > 0 && drawn.texts.length > 0, 'frame and labels');
    win.delete();
});
