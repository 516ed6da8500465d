// The main window in the page: binds its controls to the core's handlers, shows what the
// handlers tell it, and draws its panels and images at the device scale. Owns the core's
// main window object; no rule of the experiment lives here.
import { buttonPicture, backgroundImage, lidImage, moleculeSprite, type ButtonPictureKind } from "./artwork";
import {
    type Caption, type GraphReading, type KemoraCore, type LayerSplit, type MainView,
    type MainWindow, Panel, PictureButton,
} from "./core";
import { kBesideCaptions, kCaptionFont, kCaptionRoom, kCaptions, kLidHeight, kLidLeft, kPlaces,
         placeElement, type Scale, sizeCanvas } from "./layout";
import { CanvasPainter, kFontStack } from "./painter";
import { tr } from "./texts";
import { wordElements } from "./words";

const kCylinderBackground = "#000000";
const kGraphBackground = "#ffffff";
const kLabelPixels = 9;  // the graph's label font, logical pixels

function byId<T extends HTMLElement>(id: string): T {
    const element = document.getElementById(id);
    if (!element) throw new Error(`#${id} is missing`);
    return element as T;
}

const kButtons: readonly [PictureButton, string, ButtonPictureKind][] = [
    [PictureButton.Sinario, "picSinario", "Sinario"],
    [PictureButton.GrphSw, "picGrphSw", "GrphSw"],
    [PictureButton.GrphCls, "picGrphCls", "GrphCls"],
];

export class frmMain implements MainView {
    readonly cylinder: CanvasPainter;
    readonly graphBox: CanvasPainter;
    readonly window: MainWindow;

    private readonly client = byId<HTMLDivElement>("client");
    private readonly txtValue = byId<HTMLInputElement>("txtValue");
    private readonly txtAturyoku = byId<HTMLOutputElement>("txtAturyoku");
    private readonly lblPress = byId<HTMLSpanElement>("lblPress");
    private readonly cmbLiquid = byId<HTMLSelectElement>("cmbLiquid");
    private readonly picTenjyou = byId<HTMLCanvasElement>("picTenjyou");
    private caption: Caption = { title: "", step: null };
    private layers: LayerSplit = { liquidLayers: 0, vaporLayers: 0 };
    private reading: GraphReading = { shown: false, newest: null };
    private lidTop = 250;
    private lit = [false, true, false];
    private factor = 1;
    private devicePixelRatio = 1;
    private captionShift = 0;

    constructor(private readonly core: KemoraCore) {
        this.cylinder = new CanvasPainter(byId("picBack"), kCylinderBackground);
        this.graphBox = new CanvasPainter(byId("picGrph"), kGraphBackground);
        this.window = new core.MainWindow(this);
        const w = this.window;
        this.txtValue.addEventListener("input", () => w.txtValue_Change());
        byId("picSinario").addEventListener("click", () => w.picSinario_Click());
        byId("picGrphSw").addEventListener("click", () => w.picGrphSw_Click());
        byId("picGrphCls").addEventListener("click", () => w.picGrphCls_Click());
        byId("UpDownOndo_up").addEventListener("click", () => w.UpDownOndo_Click(1));
        byId("UpDownOndo_down").addEventListener("click", () => w.UpDownOndo_Click(-1));
    }

    // Words every text anew in the interface language; no state changes.
    retranslate(): void {
        wordElements(document);
        this.nameVolumeControls();
        this.namePressureField();
        this.describePictures();
        this.showCaption();
        this.scaled((scale) => this.placeReadouts(scale));
    }

    // Draws the window at `factor` device pixels per logical pixel on a screen of
    // `devicePixelRatio`: the images anew, the panels replayed by the core at the new scale.
    showZoom(factor: number, devicePixelRatio: number): void {
        this.factor = factor;
        this.devicePixelRatio = devicePixelRatio;
        this.scaled((scale) => {
            const length = (logical: number) => scale.length(logical);
            this.client.style.width = `${scale.length(800) / devicePixelRatio}px`;
            this.client.style.height = `${scale.length(559) / devicePixelRatio}px`;
            for (const [id, place] of Object.entries(kPlaces)) {
                placeElement(byId(id), place, scale, devicePixelRatio);
            }
            const background = backgroundImage(length);
            const shown = byId<HTMLCanvasElement>("background");
            sizeCanvas(shown, scale.length(800), scale.length(559), devicePixelRatio);
            shown.getContext("2d")?.drawImage(background, 0, 0);

            const lid = lidImage(length);
            sizeCanvas(this.picTenjyou, lid.width, scale.length(kLidHeight), devicePixelRatio);
            this.picTenjyou.getContext("2d")?.drawImage(lid, 0, 0);
            this.placeLid(scale);

            for (const [button, id] of kButtons) this.showButton(button, id, length);

            // The sprite source, held as on the desktop by a picture box of its own.
            const sprite = byId<HTMLCanvasElement>("picSp");
            const drawn = moleculeSprite(length);
            sprite.width = drawn.width;
            sprite.height = drawn.height;
            sprite.getContext("2d")?.drawImage(drawn, 0, 0);
            const fontPixels = scale.length(kLabelPixels);
            for (const [painter, panel, id] of [[this.cylinder, Panel.Cylinder, "picBack"],
                                                 [this.graphBox, Panel.Graph, "picGrph"]] as const) {
                const place = kPlaces[id]!;
                const width = scale.length(place.width);
                const height = scale.length(place.height);
                painter.resize(width, height, sprite, fontPixels);
                sizeCanvas(painter.canvas, width, height, devicePixelRatio);
                this.window.setSurfaceScale(panel, factor, width, height, sprite.width, sprite.height);
            }
            this.placeReadouts(scale);
        });
    }

    // Runs `use` with the core's pixel rule at the window's scale.
    private scaled(use: (scale: Scale) => void): void {
        const scale = new this.core.PixelScale(this.factor);
        try {
            use(scale);
        } finally {
            scale.delete();
        }
    }

    // MainView
    timeOfDay(): number {
        // Seconds since the local midnight, with their fraction: they seed the molecules.
        const now = new Date();
        return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds() + now.getMilliseconds() / 1000;
    }
    volumeText(): string {
        return this.txtValue.value;
    }
    setVolumeText(text: string): void {
        this.txtValue.value = text;
    }
    setPressureText(text: string): void {
        // Every new text is announced; the same pressure again is no news.
        if (this.txtAturyoku.value !== text) this.txtAturyoku.value = text;
    }
    setLidTop(top: number): void {
        this.lidTop = top;
        this.scaled((scale) => this.placeLid(scale));
    }
    setUnitLabel(text: string): void {
        this.lblPress.textContent = text;
        this.namePressureField();
    }
    setVolumeMaximum(): void {
        // The core keeps the arrows' range and steps the volume itself.
    }
    liquidIndex(): number {
        return this.cmbLiquid.selectedIndex;
    }
    setLiquidIndex(index: number): void {
        this.cmbLiquid.selectedIndex = index;
    }
    setCaption(caption: Caption): void {
        this.caption = caption;
        this.showCaption();
    }
    setButtonLit(button: PictureButton, lit: boolean): void {
        this.lit[button] = lit;
        const entry = kButtons.find(([b]) => b === button);
        if (entry) this.scaled((scale) => this.showButton(button, entry[1], (logical) => scale.length(logical)));
        if (button === PictureButton.Sinario) {
            byId("picSinario").setAttribute("aria-pressed", String(lit));
            byId("menu_scenarioMode").setAttribute("aria-checked", String(lit));
        } else if (button === PictureButton.GrphSw) {
            byId("picGrphSw").setAttribute("aria-pressed", String(lit));
            byId("menu_graphVisible").setAttribute("aria-checked", String(lit));
        }
    }
    repaintWindow(): void {
        // The page shows what is drawn as soon as the handler returns.
    }
    describeCylinder(layers: LayerSplit): void {
        this.layers = layers;
        this.describePictures();
    }
    describeGraph(reading: GraphReading): void {
        this.reading = reading;
        this.describePictures();
    }

    private showButton(button: PictureButton, id: string, length: (logical: number) => number) {
        const kind = kButtons.find(([b]) => b === button)?.[2] ?? "Sinario";
        const picture = buttonPicture(kind, this.lit[button] ?? false, length);
        const shown = byId(id).querySelector("canvas");
        if (!shown) return;
        sizeCanvas(shown, picture.width, picture.height, this.devicePixelRatio);
        shown.getContext("2d")?.drawImage(picture, 0, 0);
    }

    private placeLid(scale: Scale) {
        const css = (device: number) => `${device / this.devicePixelRatio}px`;
        this.picTenjyou.style.left = css(scale.position(kLidLeft));
        this.picTenjyou.style.top = css(scale.position(this.lidTop));
    }

    // The volume's field and arrows, with the arrows' step as the core sets it.
    private nameVolumeControls() {
        const step = this.core.kVolumeStep;
        byId("txtValue").setAttribute("aria-description",
            tr("リットル。上下の矢印キーで %1 リットル、Page Up と Page Down で %2 リットル増減します",
               step, step * this.core.kClicksPerPage));
        byId("UpDownOndo").setAttribute("aria-description", tr("容量を %1 リットルずつ増やしたり減らしたりします", step));
        byId("UpDownOndo_up").setAttribute("aria-label", tr("%1 リットル増やす", step));
        byId("UpDownOndo_down").setAttribute("aria-label", tr("%1 リットル減らす", step));
    }

    private namePressureField() {
        this.txtAturyoku.setAttribute("aria-label", tr("圧力（%1）", this.lblPress.textContent ?? ""));
    }

    private describePictures() {
        const { liquidLayers, vaporLayers } = this.layers;
        const cylinder = vaporLayers === 0 ? tr("すべて液体")
            : liquidLayers === 0 ? tr("すべて気体")
            : tr("液体 %1 層、気体 %2 層", liquidLayers, vaporLayers);
        const newest = this.reading.newest;
        const graph = !this.reading.shown ? tr("グラフは隠されています")
            : newest === null ? tr("点はまだありません")
            : tr("容量 %1 リットル、圧力 %2 %3", newest.volume, newest.pressureText, newest.unitText);
        const picBack = byId("picBack");
        const picGrph = byId("picGrph");
        if (picBack.getAttribute("aria-description") !== cylinder) picBack.setAttribute("aria-description", cylinder);
        if (picGrph.getAttribute("aria-description") !== graph) picGrph.setAttribute("aria-description", graph);
    }

    private showCaption() {
        const step = this.caption.step === null ? "" : `[${this.caption.step}]`;
        document.title = tr("蒸気圧曲線　-　%1", this.caption.title) + step;
    }

    // Widens the readouts' captions for a language whose captions are longer than the
    // design's, moving the fields beside them to the right, as the desktop does.
    private placeReadouts(scale: Scale) {
        const measure = document.createElement("canvas").getContext("2d");
        if (measure) {
            measure.font = `bold ${kCaptionFont}px ${kFontStack}`;
            const widest = Math.max(...kCaptions.map((id) => measure.measureText(byId(id).textContent ?? "").width));
            this.captionShift = Math.max(0, Math.ceil(widest) - kCaptionRoom);
        }
        for (const id of kCaptions) {
            const place = kPlaces[id]!;
            placeElement(byId(id), { ...place, width: place.width + this.captionShift }, scale, this.devicePixelRatio);
        }
        for (const id of kBesideCaptions) {
            const place = kPlaces[id]!;
            placeElement(byId(id), { ...place, x: place.x + this.captionShift }, scale, this.devicePixelRatio);
        }
    }
}
