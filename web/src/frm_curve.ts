// The vapor-pressure window in the page: the three liquids' curves with the running
// experiment marked on them, in a window that is not modal, so it stays open beside the main
// window. It follows the experiment (liquid, temperature, units) while open; Escape closes it.
import type { MainWindow } from "./core";
import type { CurveFigure, ExportsCore, ExportsWindow } from "./core_exports";
import { CurvePlot, type CurveLayout, liquidName } from "./curve_plot";
import { download } from "./download";
import { copyImage } from "./export_files";
import { showMessage } from "./message_box";
import { tr, trIn } from "./texts";

function byId<T extends HTMLElement>(id: string): T {
    const element = document.getElementById(id);
    if (!element) throw new Error(`#${id} is missing`);
    return element as T;
}

export class frmCurve {
    private readonly dialog = byId<HTMLDialogElement>("frmCurve");
    private readonly chkLog = byId<HTMLInputElement>("chkLog");
    private readonly chkMeasured = byId<HTMLInputElement>("chkMeasured");
    private readonly lblReadout = byId<HTMLElement>("lblReadout");
    private readonly plot: CurvePlot;
    private figure: CurveFigure | null = null;
    private layout: CurveLayout | null = null;
    private drawn = "";  // the experiment as last drawn
    private following = 0;

    constructor(private readonly core: ExportsCore, private readonly window: MainWindow,
                private readonly focusMainWindow: () => void) {
        this.plot = new CurvePlot(core, byId<HTMLCanvasElement>("picCurve"));
        byId("frmCurveClose").addEventListener("click", () => this.dialog.close());
        this.chkLog.addEventListener("change", () => this.redraw());
        this.chkMeasured.addEventListener("change", () => this.redraw());
        byId("cmdSave").addEventListener("click", () => this.cmdSave_Click());
        byId("cmdCopy").addEventListener("click", () => this.cmdCopy_Click());
        const canvas = this.plot.canvas;
        canvas.addEventListener("pointermove", (event) => this.pointerAt(event.offsetX, event.offsetY));
        canvas.addEventListener("pointerleave", () => this.showReadout(null));
        this.dialog.addEventListener("keydown", (event) => {
            const plain = !event.ctrlKey && !event.altKey && !event.shiftKey && !event.metaKey;
            if (event.key === "Escape" && plain) {
                event.preventDefault();
                this.dialog.close();
            } else if ((event.ctrlKey || event.metaKey) && !event.shiftKey && !event.altKey &&
                       event.key.toLowerCase() === "c" && !hasSelection()) {
                // Ctrl+C copies the figure, as the window's copy button says.
                event.preventDefault();
                this.cmdCopy_Click();
            }
        });
        this.dialog.addEventListener("close", () => {
            cancelAnimationFrame(this.following);
            this.focusMainWindow();
        });
        new ResizeObserver(() => {
            if (this.dialog.open) this.redraw();
        }).observe(canvas);
    }

    // Opens the window, or brings it to the front; the main window keeps the focus, which a
    // dialog's opening would take.
    show(): void {
        if (!this.dialog.open) {
            this.dialog.show();
            this.focusMainWindow();
            this.follow();
        }
        this.redraw();
    }

    // Words every text anew, the figure's included.
    retranslate(): void {
        byId("frmCurveClose").setAttribute("aria-label", trIn("kemora::dialogs::frmSystem", "閉じる"));
        if (this.dialog.open) this.redraw();
        else this.showReadout(null);
    }

    private get exportsWindow(): ExportsWindow {
        return this.window as ExportsWindow;
    }

    // The experiment's liquid and settings, as drawn: a change of either draws afresh.
    private experimentKey(): string {
        return JSON.stringify([this.core.ExperimentLiquid(this.window), this.exportsWindow.settings()]);
    }

    private follow(): void {
        if (!this.dialog.open) return;
        if (this.experimentKey() !== this.drawn) this.redraw();
        this.following = requestAnimationFrame(() => this.follow());
    }

    private redraw(): void {
        this.drawn = this.experimentKey();
        this.figure = this.exportsWindow.BuildCurveFigure(this.chkLog.checked, this.chkMeasured.checked);
        const canvas = this.plot.canvas;
        this.layout = this.plot.draw(this.figure, canvas.clientWidth || 640, canvas.clientHeight || 420,
                                     globalThis.devicePixelRatio || 1);
        this.dialog.dataset["liquid"] = String(this.core.ExperimentLiquid(this.window));
        this.showReadout(null);
    }

    private pointerAt(x: number, y: number): void {
        const layout = this.layout;
        if (!layout) return;
        const { plot, legend } = layout;
        const inside = (box: typeof plot) => x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
        this.plot.canvas.title = inside(legend)
            ? tr("実線：このプログラムの蒸気圧の表（シミュレーションが使う値）\n破線：実測値。Antoine 式 log10(p / mmHg) = A − B / (C + t / °C) による。定数は Lange's Handbook of Chemistry の値")
            : "";
        this.showReadout(inside(plot) ? this.core.CurveToValue(layout.temperature, x) : null);
    }

    private showReadout(temperature: number | null): void {
        const readout = temperature === null ? null : this.core.CurveReadout(this.window, temperature);
        if (!readout || !this.figure) {
            this.lblReadout.textContent = tr("グラフの上にポインタを置くと、その温度の蒸気圧を読み取れます");
            return;
        }
        const unit = this.figure.pressureUnitText;
        const [water, ethanol, ether] = readout.pressureTexts;
        // The liquids' names and their pressures side by side: 水 36.9 mmHg.
        this.lblReadout.textContent = tr("%1 %2：　%3 %4　　%5 %6　　%7 %8",
            readout.temperature, this.figure.temperatureUnitText,
            liquidName(0), `${water} ${unit}`, liquidName(1), `${ethanol} ${unit}`, liquidName(2), `${ether} ${unit}`);
    }

    private async cmdSave_Click(): Promise<void> {
        const blob = await canvasPng(this.plot.canvas);
        if (blob) download(tr("蒸気圧曲線.png"), blob);
        else void showMessage(tr("画像を保存できませんでした。\n%1", tr("蒸気圧曲線.png")), document.title);
    }

    private cmdCopy_Click(): void {
        void copyImage(canvasPng(this.plot.canvas));
    }
}

export function canvasPng(canvas: HTMLCanvasElement): Promise<Blob | null> {
    return new Promise((resolve) => canvas.toBlob(resolve, "image/png"));
}

// Whether text is selected for Ctrl+C to copy, on the page or in a field.
export function hasSelection(): boolean {
    const active = document.activeElement;
    if (active instanceof HTMLInputElement || active instanceof HTMLTextAreaElement) {
        try {
            return active.selectionStart !== null && active.selectionStart !== active.selectionEnd;
        } catch {
            return false;
        }
    }
    return (document.getSelection()?.toString() ?? "") !== "";
}
