// What the class saw, taken out of the page, as the desktop's menus do: the plotted states as
// a CSV file, the graph as a PNG file, the graph or the whole window on the clipboard, the
// worksheet printed, and the vapor-pressure window. The CSV bytes and the worksheet's table
// are the core's.
import type { MainWindow } from "./core";
import type { ExportsCore, ExportsWindow } from "./core_exports";
import { canvasPng, frmCurve, hasSelection } from "./frm_curve";
import { download } from "./download";
import { copyImage } from "./export_files";
import { showMessage } from "./message_box";
import { buildPrintSheet } from "./print_sheet";
import { tableWords } from "./table_words";
import { language, tr, trIn } from "./texts";

function byId<T extends HTMLElement>(id: string): T {
    const element = document.getElementById(id);
    if (!element) throw new Error(`#${id} is missing`);
    return element as T;
}

// The main window's client area as one picture at the device scale: its canvases where they
// lie, and the texts of its captions, fields and list over them.
export function windowPicture(client: HTMLElement): HTMLCanvasElement {
    const ratio = globalThis.devicePixelRatio || 1;
    const area = client.getBoundingClientRect();
    const picture = document.createElement("canvas");
    picture.width = Math.round(area.width * ratio);
    picture.height = Math.round(area.height * ratio);
    const c = picture.getContext("2d", { alpha: false });
    if (!c) return picture;
    c.scale(ratio, ratio);
    for (const canvas of client.querySelectorAll("canvas")) {
        const at = canvas.getBoundingClientRect();
        if (canvas.hidden || at.width === 0 || canvas.width === 0) continue;
        c.drawImage(canvas, at.left - area.left, at.top - area.top, at.width, at.height);
    }
    for (const element of client.querySelectorAll<HTMLElement>(".caption, .unit, input, output, select")) {
        const at = element.getBoundingClientRect();
        const style = getComputedStyle(element);
        const text = element instanceof HTMLInputElement ? element.value
            : element instanceof HTMLSelectElement ? element.selectedOptions[0]?.textContent ?? ""
            : element.textContent ?? "";
        const x = at.left - area.left;
        const y = at.top - area.top;
        if (!element.classList.contains("caption") && !element.classList.contains("unit")) {
            c.fillStyle = style.backgroundColor;
            c.fillRect(x, y, at.width, at.height);
            c.strokeStyle = "#7a7a7a";
            c.lineWidth = 1;
            c.strokeRect(x + 0.5, y + 0.5, at.width - 1, at.height - 1);
        }
        c.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
        c.fillStyle = style.color;
        c.textBaseline = "middle";
        const right = style.textAlign === "right" || style.textAlign === "end";
        c.textAlign = right ? "right" : "left";
        const inset = parseFloat(style.paddingLeft) || 2;
        c.fillText(text, right ? x + at.width - inset : x + inset, y + at.height / 2);
    }
    return picture;
}

// Binds the menu items and keys of the exports to the main window `window`. The curve window
// and the message box give the focus back with `focusMainWindow` when they close; as on the
// desktop, neither runs the main window's activation again.
export function setUpExports(core: ExportsCore, window: MainWindow, focusMainWindow: () => void): {
    retranslate: () => void;
} {
    const win = window as ExportsWindow;
    const graph = byId<HTMLCanvasElement>("picGrph");
    const client = byId("client");
    const sheet = byId("printSheet");
    const curve = new frmCurve(core, window, focusMainWindow);

    const saveCsv = () => {
        // Nothing plotted, nothing to save: the desktop offers no file either.
        if (win.TableRows(tableWords()).length === 0) return;
        const bytes = win.CsvBytes(tableWords());
        download(tr("蒸気圧のデータ.csv"), new Blob([bytes], { type: "text/csv" }));
    };
    // The graph box or the whole window, as the desktop's save dialog offers them; Escape
    // chooses neither.
    const imageChoice = byId<HTMLDialogElement>("saveImageDialog");
    imageChoice.addEventListener("close", focusMainWindow);
    const saveImage = async (picture: HTMLCanvasElement) => {
        imageChoice.close();
        const png = await canvasPng(picture);
        if (png) download(tr("蒸気圧のグラフ.png"), png);
        else void showMessage(`${tr("保存できませんでした。")}\n${tr("蒸気圧のグラフ.png")}`, document.title);
    };
    byId("saveImageClose").addEventListener("click", () => imageChoice.close());
    byId("saveImageGraph").addEventListener("click", () => void saveImage(graph));
    byId("saveImageWindow").addEventListener("click", () => void saveImage(windowPicture(client)));
    const copyGraph = () => void copyImage(canvasPng(graph));
    const copyWindow = () => void copyImage(canvasPng(windowPicture(client)));
    const preparePrint = () => buildPrintSheet(sheet, core, window, new Date(), language());
    const print = () => {
        preparePrint();
        globalThis.print();
    };
    // The browser's own print command gets the same sheet.
    addEventListener("beforeprint", preparePrint);

    // データをCSVで保存 is offered while states are plotted, as on the desktop; looked at as
    // the menu opens, before it shows its items.
    const saveCsvItem = byId<HTMLButtonElement>("menu_saveCsv");
    const offerCsv = () => {
        saveCsvItem.disabled = win.TableRows(tableWords()).length === 0;
    };
    byId("menu_File").addEventListener("click", offerCsv, { capture: true });
    offerCsv();

    const items: [string, () => void][] = [
        ["menu_saveCsv", saveCsv],
        ["menu_saveImage", () => {
            if (!imageChoice.open) imageChoice.showModal();
        }],
        ["menu_print", print],
        ["menu_copyGraph", copyGraph],
        ["menu_copyWindow", copyWindow],
        ["menu_curve", () => curve.show()],
    ];
    for (const [id, action] of items) byId(id).addEventListener("click", action);

    // The desktop's keys: Ctrl+T the curve, Ctrl+Shift+P print, Ctrl+C the graph where no text
    // is selected, Ctrl+Shift+C the window. Those a browser keeps for itself never arrive.
    document.addEventListener("keydown", (event) => {
        if (!(event.ctrlKey || event.metaKey) || event.altKey || event.repeat) return;
        if (event.target instanceof Element && event.target.closest("dialog[open]")) return;
        const key = event.key.toLowerCase();
        const action = !event.shiftKey && key === "t" ? () => curve.show()
            : event.shiftKey && key === "p" ? print
            : !event.shiftKey && key === "c" && !hasSelection() ? copyGraph
            : event.shiftKey && key === "c" ? copyWindow
            : null;
        if (!action) return;
        event.preventDefault();
        event.stopPropagation();
        action();
    }, { capture: true });
    return {
        retranslate: () => {
            byId("saveImageClose").setAttribute("aria-label", trIn("kemora::dialogs::frmSystem", "閉じる"));
            curve.retranslate();
        },
    };
}
