// The scenario editor's part of the core's JavaScript face, driven from Node as the page
// drives it: the title as the editor shows it, the fields' byte limits, the first page's texts.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const createKemoraCore = require(process.env.KEMORA_CORE);

function quietView() {
    const surface = {
        lineSpacing: 12, fill() {}, sprite() {}, text() {}, textInk() { return null; }, refresh() {},
    };
    return {
        volume: '0', liquid: 0, cylinder: surface, graphBox: surface,
        volumeText() { return this.volume; },
        setVolumeText(text) { this.volume = text; },
        setPressureText() {}, setLidTop() {}, setUnitLabel() {}, setVolumeMaximum() {},
        liquidIndex() { return this.liquid; },
        setLiquidIndex(index) { this.liquid = index; },
        setCaption() {}, setButtonLit() {}, repaintWindow() {}, describeCylinder() {}, describeGraph() {},
        timeOfDay() { return 0; },
    };
}

test('each field takes what fits its code page 932 bytes', async () => {
    const core = await createKemoraCore();
    const rows = [
        ['txtTTl', '実験'.repeat(7) + 'あ', true],   // 30 bytes
        ['txtTTl', '実験'.repeat(7) + 'あ1', false],
        ['txtTTl', 'a'.repeat(30), true],
        ['txtTTl', 'ｱ'.repeat(30), true],            // half-width katakana: one byte each
        ['txtTemp', '1234', true],
        ['txtTemp', '12345', false],
        ['txtMol', 'あ1', true],
        ['txtMol', 'あい', false],
        ['txtContainer', '2.5', true],
        ['txtContainer', '-2.5', false],
        ['txtGrphWMin', '-50', true],
        ['txtGrphWMax', '1000', false],
        ['txtPressWMin', '12.5', true],
        ['txtPressWMax', '1013.', false],
        ['cmbBussitu', 'ジエチルエーテルでも何でも', true],  // no limit
    ];
    for (const [id, text, fits] of rows) assert.equal(core.SinarioTextFits(id, text), fits, `${id} ${text}`);
});

test('the title as held and as a loaded file shows it, and the first page from the settings', async () => {
    const core = await createKemoraCore();
    const win = new core.MainWindow(quietView());
    win.setSettingsBytes(new TextEncoder().encode(
        '[DATA]\r\ntemperature=25\r\nmol=2\r\ntemperatureUnit=0\r\npressureUnit=7\r\n' +
        'grphWMin=10\r\ngrphWMax=300\r\ngrphHMin=0.5\r\ngrphHMax=1013.25\r\n'));
    win.Form_Load();
    win.Form_Activate();
    assert.equal(core.ScenarioTitleText(win), '', 'a title never assigned shows empty');
    win.AssignTitle('  気化 ');
    assert.equal(core.ScenarioTitleText(win), '  気化' + ' '.repeat(26));
    assert.equal(core.ScenarioTrimmedTitle(win), '気化');
    assert.deepEqual(core.SettingsFormOf(win.settings()), {
        mol: '2', temperature: '25', pressureUnitIndex: -1, volumeMin: '10', volumeMax: '300',
        pressureMin: '0.5', pressureMax: '1013.25',
    });
    assert.equal(core.WithScenarioExtension('授業'), '授業.so2');
    assert.equal(core.WithScenarioExtension('授業.so2'), '授業.so2');
    win.delete();
});
