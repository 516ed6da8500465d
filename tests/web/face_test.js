// Drives the core's JavaScript face as the page does, through a view that keeps what the
// core tells it: a volume typed into the field, and a scenario step played with a key.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const createKemoraCore = require(process.env.KEMORA_CORE);

// Water at 27 °C, 1 mol, mmHg, volume axis 0..700 L, pressure axis 0..800 mmHg.
const settingsFile = new TextEncoder().encode(
    '[DATA]\r\ntemperature=27\r\nmol=1\r\ntemperatureUnit=0\r\npressureUnit=0\r\n' +
    'grphWMin=0\r\ngrphWMax=700\r\ngrphHMin=0\r\ngrphHMax=800\r\n');

function painter() {
    return {
        fills: [], sprites: [], texts: [], refreshes: 0, lineSpacing: 12,
        fill(x, y, w, h, rgb) { this.fills.push({x, y, w, h, rgb}); },
        sprite(x, y, w, h, sourceX, sourceY) { this.sprites.push({x, y, w, h, sourceX, sourceY}); },
        text(x, y, utf8) { this.texts.push({x, y, utf8}); },
        textInk(utf8) { return utf8 ? {left: 0, top: 0, right: 6 * utf8.length, bottom: 12} : null; },
        refresh() { this.refreshes += 1; },
    };
}

function recordingView() {
    return {
        volume: '', pressure: '', lidTop: null, unit: '', maximum: null, liquid: -1,
        caption: null, lit: {}, cylinder: painter(), graphBox: painter(),
        volumeText() { return this.volume; },
        setVolumeText(text) { this.volume = text; },
        setPressureText(text) { this.pressure = text; },
        setLidTop(top) { this.lidTop = top; },
        setUnitLabel(text) { this.unit = text; },
        setVolumeMaximum(maximum) { this.maximum = maximum; },
        liquidIndex() { return this.liquid; },
        setLiquidIndex(index) { this.liquid = index; },
        setCaption(caption) { this.caption = caption; },
        setButtonLit(button, lit) { this.lit[button] = lit; },
        repaintWindow() {},
        describeCylinder(layers) { this.layers = layers; },
        describeGraph(reading) { this.reading = reading; },
        timeOfDay() { return 36000.5; },
    };
}

async function openWindow() {
    const core = await createKemoraCore();
    const view = recordingView();
    const win = new core.MainWindow(view);
    win.setSettingsBytes(settingsFile);
    win.Form_Load();
    win.Form_Activate();
    return {core, view, win};
}

test('a typed volume shows its pressure, moves the lid and plots the state', async () => {
    const {view, win} = await openWindow();
    assert.equal(view.unit, 'mmHg');
    assert.equal(view.maximum, 700);
    const cases = [
        // All vapor: 1 mol × 62.36 L mmHg/(mol K) × 300 K / 650 L.
        {volume: '650', pressure: '28.8', lidTop: 18},
        // Liquid and vapor together: the vapor pressure of water at 27 °C.
        {volume: '300', pressure: '31.4', lidTop: 143},
    ];
    for (const c of cases) {
        const squares = view.graphBox.fills.length;
        view.volume = c.volume;
        win.txtValue_Change();
        assert.equal(view.pressure, c.pressure, c.volume);
        assert.equal(view.lidTop, c.lidTop, c.volume);
        assert.ok(view.graphBox.fills.length > squares, `${c.volume} L plots a square`);
        assert.equal(view.reading.newest.pressureText, c.pressure);
    }
    win.delete();
});

test('the animation draws the molecules as sprite copies at the page scale', async () => {
    const {view, win} = await openWindow();
    win.setSurfaceScale(0, 2, 742, 914, 20, 20);
    view.volume = '300';
    win.txtValue_Change();
    for (let tick = 0; tick < 5 && view.cylinder.sprites.length === 0; ++tick) win.Timer1_Timer();
    assert.equal(view.cylinder.sprites.length, 15 * 37);
    // At twice the size every molecule covers 20 × 20 device pixels, all inside the image.
    for (const s of view.cylinder.sprites) {
        assert.ok(s.w <= 20 && s.h <= 20 && s.x >= 0 && s.y >= 0 && s.x + s.w <= 742 &&
                  s.y + s.h <= 914, JSON.stringify(s));
    }
    assert.ok(view.cylinder.refreshes > 0);
    win.delete();
});

test('sizes that are no numbers leave nothing to draw and stop nothing', async () => {
    const {view, win} = await openWindow();
    for (const size of [NaN, -Infinity, Infinity, -5, 1e300]) {
        win.setSurfaceScale(0, size, size, size, size, size);
        view.cylinder.sprites.length = 0;
        view.volume = String(100 + view.cylinder.refreshes);
        win.txtValue_Change();
        for (let tick = 0; tick < 5; ++tick) win.Timer1_Timer();
        for (const s of view.cylinder.sprites) assert.ok(s.w > 0 && s.h > 0, JSON.stringify(s));
    }
    assert.ok(view.cylinder.refreshes > 0);
    const scale = new (await createKemoraCore()).PixelScale(NaN);
    assert.equal(scale.position(NaN), 0);
    assert.equal(scale.length(3), 3);  // a factor that is no number counts as 1
    scale.delete();
    win.delete();
});

test('a playback key runs the next step of the scenario', async () => {
    const {core, view, win} = await openWindow();
    const built = core.BuildSetVolumeStep('300', false);
    assert.equal(built.problem, null);
    assert.ok(win.AddStep(built.step, -1));
    assert.deepEqual(win.StepListEntries().map((e) => e.litres), [300]);
    win.picSinario_Click();
    assert.equal(win.routeKey(13, false), 1);  // Enter goes to playback alone
    win.Form_KeyUp(13);
    assert.equal(view.volume, '300');
    assert.equal(view.pressure, '31.4');
    assert.equal(view.caption.step, 1);
    win.delete();
});

test('the scenario file round-trips as bytes and refuses a short one', async () => {
    const {core, win} = await openWindow();
    win.AssignTitle('授業');
    assert.ok(win.AddStep(core.BuildGraphStep(false), -1));
    const bytes = win.EncodeScenario();
    assert.ok(bytes instanceof Uint8Array);
    assert.equal(bytes.length, 2380);
    const other = new core.MainWindow(recordingView());
    assert.equal(other.DecodeScenario(bytes), 0);
    assert.deepEqual(other.EncodeScenario(), bytes);
    assert.equal(other.DecodeScenario(bytes.subarray(0, 100)), 2);  // too short
    other.delete();
    win.delete();
});

test('the settings file as bytes: both sections read and written', async () => {
    const core = await createKemoraCore();
    const read = core.SettingsFromIni(settingsFile);
    assert.deepEqual(read, {temperature: 27, mol: 1, temperatureUnit: 0, pressureUnit: 0,
                            grphWMin: 0, grphWMax: 700, grphHMin: 0, grphHMax: 800});
    let bytes = core.SettingsIntoIni(settingsFile, {...read, mol: 3});
    bytes = core.ViewLanguageIntoIni(bytes, 1);
    bytes = core.ZoomIntoIni(bytes, 150);
    assert.equal(core.SettingsFromIni(bytes).mol, 3);
    assert.equal(core.ViewLanguageFromIni(bytes), 1);
    assert.equal(core.ZoomFromIni(bytes), 150);
    assert.equal(core.ZoomFromIni(settingsFile), null);
    assert.equal(core.ViewLanguageFromIni(new Uint8Array()), 0);
    const text = new TextDecoder().decode(bytes);
    // The file's own layout: CR LF lines, each value padded with blanks as the desktop writes.
    assert.match(text, /^\[DATA\]\r\ntemperature=27 *\r\nmol=3 *\r\n/);
    assert.match(text, /\r\n\[VIEW\]\r\n(.*\r\n)*language=en *\r\n/);
});
