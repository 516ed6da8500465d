// The JavaScript face of the C++ core, as the page uses it: the main window's handlers, the
// view and surface objects the core calls, and the core's pixel rule. Every rule of the
// experiment stays behind this face.
import type { FieldProblem } from "./core_settings";

// What happens to a key, as the core routes it.
export enum KeyRoute {
    FocusedControl = 0,
    Playback = 1,
    VolumeArrows = 2,
}

// The three picture buttons, in the core's order.
export enum PictureButton {
    Sinario = 0,
    GrphSw = 1,
    GrphCls = 2,
}

export interface Caption {
    title: string;
    step: number | null;
}

export interface LayerSplit {
    liquidLayers: number;
    vaporLayers: number;
}

export interface GraphReading {
    shown: boolean;
    newest: { volume: number; pressureText: string; unitText: string } | null;
}

export interface TextInk {
    left: number;
    top: number;
    right: number;
    bottom: number;
}

// A drawing surface as the core drives it, in device pixels: the core has already decided
// which device pixels each drawing covers.
export interface DeviceSurface {
    fill(x: number, y: number, width: number, height: number, rgb: number): void;
    sprite(x: number, y: number, width: number, height: number, sourceX: number, sourceY: number): void;
    text(x: number, y: number, utf8: string): void;
    textInk(utf8: string): TextInk | null;
    refresh(): void;
    readonly lineSpacing: number;
}

// The main window's controls, as the core's handlers see them.
export interface MainView {
    timeOfDay(): number;
    volumeText(): string;
    setVolumeText(text: string): void;
    setPressureText(text: string): void;
    setLidTop(top: number): void;
    setUnitLabel(text: string): void;
    setVolumeMaximum(maximum: number): void;
    liquidIndex(): number;
    setLiquidIndex(index: number): void;
    setCaption(caption: Caption): void;
    setButtonLit(button: PictureButton, lit: boolean): void;
    repaintWindow(): void;
    describeCylinder(layers: LayerSplit): void;
    describeGraph(reading: GraphReading): void;
    cylinder: DeviceSurface;
    graphBox: DeviceSurface;
}

export enum Panel {
    Cylinder = 0,
    Graph = 1,
}

export interface MainWindow {
    Form_Load(): void;
    Form_Activate(): void;
    txtValue_Change(): void;
    Timer1_Timer(): void;
    picGrphSw_Click(): void;
    picGrphCls_Click(): void;
    picSinario_Click(): void;
    routeKey(keyCode: number, volumeFieldFocused: boolean): KeyRoute;
    Form_KeyUp(keyCode: number): void;
    SetAnimationPaused(paused: boolean): void;
    menu_reset_Click(): void;
    // Clicks of the volume's arrows: +1 up, -1 down; the core steps the volume text.
    UpDownOndo_Click(clicks: number): void;
    // An arrow key of the volume field, stepping the volume as the arrows' clicks do.
    VolumeArrowKey(keyCode: number): void;
    // The scenario, as the editor builds it: a step put before the selected line's (-1: none,
    // appended; false when the scenario is full), the title.
    AddStep(step: ScenarioStep, selectedLine: number): boolean;
    AssignTitle(utf8: string): void;
    setSurfaceScale(panel: Panel, factor: number, imageWidth: number, imageHeight: number,
                    spriteWidth: number, spriteHeight: number): void;
    delete(): void;
}

// One step of a scenario, as the core's step builders make it.
export interface ScenarioStep {
    kind: number;
    value: number;
    gradual: number;
    mol: number;
    temperature: number;
    temperatureUnit: number;
    pressureUnit: number;
    grphWMin: number;
    grphWMax: number;
    grphHMin: number;
    grphHMax: number;
}

export interface PixelScale {
    position(logical: number): number;
    length(logical: number): number;
    delete(): void;
}

export interface KemoraCore {
    MainWindow: new (view: MainView) => MainWindow;
    PixelScale: new (factor: number) => PixelScale;
    BuildSetVolumeStep(volumeText: string, gradual: boolean): { step: ScenarioStep | null; problem: FieldProblem | null };
    BuildGraphStep(showGraph: boolean): ScenarioStep;
    BuildClearGraphStep(): ScenarioStep;
    BuildChangeLiquidStep(liquidIndex: number): ScenarioStep;
    // Milliseconds between two timer ticks.
    kTimerInterval: number;
    // The volume's arrows: litres a click, and the clicks of Page Up and Page Down.
    kVolumeStep: number;
    kClicksPerPage: number;
}

declare global {
    // Defined by the core's module, inlined before the page's script.
    function createKemoraCore(options?: object): Promise<KemoraCore>;
}
