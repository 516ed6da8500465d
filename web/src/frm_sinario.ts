// シナリオ設定 (frmSinario): the scenario editor over the main window, as the desktop's. Every
// change acts on the core's scenario at once; the core builds the steps, inserts and deletes
// them, lists them, checks the fields and reads and writes the file's bytes; this file binds
// the elements (ids = the desktop's objectNames) and words what the core returns.
import type { KemoraCore, MainWindow } from "./core";
import { ScenarioFileResult, StepListKind, type ScenarioWindow, type SinarioCore, type StepBuild,
         type StepListEntry } from "./core_sinario";
import { type FieldProblem, FormField } from "./core_settings";
import { fieldProblemText } from "./field_problems";
import { showModal } from "./modal_dialog";
import { chooseFileToOpen, FileWriteError, saveFile, takeFilesOf, type ChosenFile, type FileKind } from "./scenario_files";
import { showMessage } from "./message_box";
import { tr, trNoted } from "./texts";
import { wordElements } from "./words";

type Place = readonly [left: number, top: number, width: number, height: number];

const kTwipsPerPixel = 15;
const kMainWindowWidth = 800;  // CSS pixels of the main window at zoom 1
const kViewportMargin = 16;    // CSS pixels kept free around the dialog
const kAddPlace: Place = [5880, 1560, 975, 375];
const kClientSize = [7350, 7200] as const;
// Places in twips: the dialog's controls from its client area's top left, the pages'
// controls from the tab control's top left.
const kPlaces: Readonly<Record<string, Place>> = {
    txtTTl: [120, 120, 6975, 375],
    SSTabMenu: [120, 600, 7095, 2055],
    cmdDel: [6000, 2760, 975, 255],
    listSinario: [120, 3000, 7095, 3480],
    cmdLoad: [120, 6720, 1095, 375],
    frmSinario_cmdSave: [1440, 6720, 1095, 375],
    frmSinario_cmdClose: [6240, 6720, 975, 375],
    lblMol: [120, 480, 1575, 255],
    frmSinario_txtMol: [1800, 480, 855, 270],
    lblContainer: [120, 840, 1575, 255],
    frmSinario_txtContainer: [1800, 840, 855, 270],
    lblPressUnit: [120, 1200, 1575, 255],
    frmSinario_cmbPressUnit: [1800, 1200, 1095, 300],
    lblGrphW: [3120, 480, 1575, 255],
    frmSinario_txtGrphWMin: [4800, 480, 855, 270],
    lblGrphWTo: [5760, 480, 375, 255],
    frmSinario_txtGrphWMax: [6120, 480, 855, 270],
    lblPressW: [3120, 840, 1575, 255],
    frmSinario_txtPressWMin: [4800, 840, 855, 270],
    lblPressWTo: [5760, 840, 375, 255],
    frmSinario_txtPressWMax: [6120, 840, 855, 270],
    lblVolume: [360, 720, 615, 375],
    txtTemp: [960, 600, 735, 390],
    lblVolumeUnit: [1800, 720, 2655, 255],
    chkAddTemp_label: [360, 1200, 4410, 255],
    OptGrphOn_label: [480, 600, 1695, 255],
    optGrphOff_label: [480, 960, 2775, 255],
    lblClearGraph: [360, 720, 4455, 495],
    lblBussitu: [240, 600, 3375, 255],
    cmbBussitu: [840, 1080, 3135, 300],
    cmdAdd1: kAddPlace, cmdAdd2: kAddPlace, cmdAdd3: kAddPlace, cmdAdd4: kAddPlace, cmdAdd5: kAddPlace,
};
// The volume sentence's start (its width) and what follows it (their lefts), in twips.
const kVolumeStartWidth = 615;
const kVolumeSentenceRest: readonly (readonly [string, number])[] = [["txtTemp", 960], ["lblVolumeUnit", 1800]];
// The fields whose typing the core limits, in code page 932 bytes.
// The desktop's name of a control. The page's ids are those names, but a name that another
// window of the page uses as well (初期設定's fields, the curve window's 保存) carries this
// window's name in front.
function objectName(id: string): string {
    return id.replace(/^frmSinario_/, "");
}

const kLimitedFields = ["txtTTl", "frmSinario_txtMol", "frmSinario_txtContainer", "frmSinario_txtGrphWMin", "frmSinario_txtGrphWMax", "frmSinario_txtPressWMin",
                        "frmSinario_txtPressWMax", "txtTemp"];
const kPages = ["pageInitialSettings", "pageSetVolume", "pageGraph", "pageClearGraph", "pageLiquid"];
const kFieldIds: Readonly<Record<FormField, string>> = {
    [FormField.Mol]: "frmSinario_txtMol",
    [FormField.Temperature]: "frmSinario_txtContainer",
    [FormField.PressureUnit]: "frmSinario_cmbPressUnit",
    [FormField.VolumeMin]: "frmSinario_txtGrphWMin",
    [FormField.VolumeMax]: "frmSinario_txtGrphWMax",
    [FormField.PressureMin]: "frmSinario_txtPressWMin",
    [FormField.PressureMax]: "frmSinario_txtPressWMax",
    [FormField.Volume]: "txtTemp",
};

export function stepLineText(entry: StepListEntry): string {
    switch (entry.kind) {
        case StepListKind.InitialSettings: return tr("初期値設定");
        case StepListKind.SetVolume:
            return entry.gradual ? tr("容量を %1 リットルまで少しずつ変えます。", entry.litres)
                                 : tr("容量を %1 リットルに設定します。", entry.litres);
        case StepListKind.ShowGraph: return tr("グラフを表示します。");
        case StepListKind.HideGraph: return tr("グラフを非表示にします。");
        case StepListKind.ClearGraph: return tr("描画されたグラフを消します。");
        case StepListKind.ChangeLiquid:
            return entry.liquid === 0 ? tr("データを水に設定します。")
                 : entry.liquid === 1 ? tr("データをエタノールに設定します。")
                 : tr("データをジエチルエーテルに設定します。");
        case StepListKind.Unknown: return tr("不明なステップです。");
    }
}

function pixels(twips: number): string {
    return `${twips / kTwipsPerPixel}px`;
}

export class frmSinario {
    private readonly core: KemoraCore & SinarioCore;
    private readonly win: ScenarioWindow;
    private readonly dialog: HTMLDialogElement;
    private titleEdited = false;

    constructor(core: KemoraCore, win: MainWindow) {
        this.core = core as KemoraCore & SinarioCore;
        this.win = win as ScenarioWindow;
        this.dialog = this.element("frmSinario") as HTMLDialogElement;
        this.placeControls();
        this.bind();
    }

    // The menu item シナリオ設定: the editor opens afresh, closing it activates the main window.
    show(): void {
        if (this.dialog.open) return;
        wordElements(this.dialog);
        // The same words name the tab and its first option, which the translation tells apart.
        this.element("SSTabMenu_2").textContent = trNoted("グラフ表示", "tab");
        this.element("pageGraph").setAttribute("aria-label", trNoted("グラフ表示", "tab"));
        this.element("OptGrphOn_text").textContent = trNoted("グラフ表示", "option");
        this.OpenEditor();
        this.dialog.style.zoom = "1";
        showModal(this.dialog, () => this.win.Form_Activate());
        this.followZoom();
        this.field("txtTTl").focus();
    }

    // As large as the main window is drawn, as far as the viewport holds it, as the desktop's
    // dialogs follow the window's zoom; CSS zoom keeps the letters sharp.
    private followZoom(): void {
        const client = document.getElementById("client");
        const windowFactor = client ? client.getBoundingClientRect().width / kMainWindowWidth : 1;
        const room = Math.min((window.innerWidth - kViewportMargin) / this.dialog.offsetWidth,
                              (window.innerHeight - kViewportMargin) / this.dialog.offsetHeight);
        this.dialog.style.zoom = String(Math.max(1, Math.min(windowFactor, room)));
    }

    private element(id: string): HTMLElement {
        const element = document.getElementById(id);
        if (!element) throw new Error(`#${id} is missing`);
        return element;
    }

    private field(id: string): HTMLInputElement {
        return this.element(id) as HTMLInputElement;
    }

    private get list(): HTMLSelectElement {
        return this.element("listSinario") as HTMLSelectElement;
    }

    private placeControls(): void {
        const client = this.dialog.querySelector<HTMLElement>(".dialog-client");
        if (client) {
            client.style.width = pixels(kClientSize[0]);
            client.style.height = pixels(kClientSize[1]);
        }
        for (const [id, [left, top, width, height]] of Object.entries(kPlaces)) {
            const style = this.element(id).style;
            style.left = pixels(left);
            style.top = pixels(top);
            style.width = pixels(width);
            style.height = pixels(height);
        }
    }

    // The sentence "容量を [field] リットルに設定します。": a start longer than the design's
    // moves the field and the rest to the right, as the desktop's does.
    private fitVolumeSentence(): void {
        const start = this.element("lblVolume");
        const designed = kVolumeStartWidth / kTwipsPerPixel;
        start.style.width = "auto";
        // A space's width more keeps the words off the field.
        const overflow = Math.max(0, start.offsetWidth + 4 - designed);
        start.style.width = `${designed + overflow}px`;
        for (const [id, left] of kVolumeSentenceRest) {
            this.element(id).style.left = `${left / kTwipsPerPixel + overflow}px`;
        }
    }

    private bind(): void {
        const on = (id: string, action: () => void) => this.element(id).addEventListener("click", () => {
            // A title being typed is stored before any button acts.
            this.txtTTl_LostFocus();
            action();
        });
        on("cmdAdd1", () => this.addBuilt(this.core.BuildInitialSettingsStep({
            mol: this.field("frmSinario_txtMol").value,
            temperature: this.field("frmSinario_txtContainer").value,
            pressureUnitIndex: (this.element("frmSinario_cmbPressUnit") as HTMLSelectElement).selectedIndex,
            volumeMin: this.field("frmSinario_txtGrphWMin").value,
            volumeMax: this.field("frmSinario_txtGrphWMax").value,
            pressureMin: this.field("frmSinario_txtPressWMin").value,
            pressureMax: this.field("frmSinario_txtPressWMax").value,
        })));
        on("cmdAdd2", () => this.addBuilt(this.core.BuildSetVolumeStep(this.field("txtTemp").value,
                                                                       this.field("chkAddTemp").checked)));
        on("cmdAdd3", () => this.addBuilt({ step: this.core.BuildGraphStep(this.field("OptGrphOn").checked), problem: null }));
        on("cmdAdd4", () => this.addBuilt({ step: this.core.BuildClearGraphStep(), problem: null }));
        on("cmdAdd5", () => this.addBuilt({ step: this.core.BuildChangeLiquidStep(this.liquidIndex()), problem: null }));
        on("cmdDel", () => {
            if (this.win.DeleteStep(this.list.selectedIndex)) this.RefreshStepList();
        });
        on("cmdLoad", () => void chooseFileToOpen(this.fileKind(), this.field("cdlg"), (file) => this.load(file))
            .catch(() => this.message(tr("シナリオデータを読み込めませんでした。"))));
        on("frmSinario_cmdSave", () => void this.save());
        on("frmSinario_cmdClose", () => this.dialog.close());
        takeFilesOf(this.field("cdlg"), (file) => this.load(file));

        const title = this.field("txtTTl");
        title.addEventListener("input", () => { this.titleEdited = true; });
        title.addEventListener("blur", () => this.txtTTl_LostFocus());
        // Registered before any opening, so that the title is kept before the main window is
        // activated and shows it.
        this.dialog.addEventListener("close", () => this.txtTTl_LostFocus());
        for (const id of kLimitedFields) this.limitInput(this.field(id));

        kPages.forEach((_, index) => {
            this.element(`SSTabMenu_${index}`).addEventListener("click", () => this.showPage(index));
        });
        this.element("SSTabMenu").addEventListener("keydown", (event) => {
            const at = kPages.findIndex((_, index) => document.activeElement === this.element(`SSTabMenu_${index}`));
            const step = event.key === "ArrowRight" ? 1 : event.key === "ArrowLeft" ? -1 : 0;
            if (at < 0 || step === 0) return;
            event.preventDefault();
            const next = (at + step + kPages.length) % kPages.length;
            this.showPage(next);
            this.element(`SSTabMenu_${next}`).focus();
        });
    }

    // Typing that would take the field past its limit in code page 932 bytes is refused;
    // removing is always allowed.
    private limitInput(input: HTMLInputElement): void {
        let accepted = input.value;
        const check = () => {
            const value = input.value;
            if (value.length < accepted.length || this.core.SinarioTextFits(objectName(input.id), value)) {
                accepted = value;
                return;
            }
            const caret = Math.max(0, (input.selectionStart ?? value.length) - (value.length - accepted.length));
            input.value = accepted;
            input.setSelectionRange(caret, caret);
        };
        input.addEventListener("input", (event) => {
            if (!(event as InputEvent).isComposing) check();
        });
        input.addEventListener("compositionend", check);
        // Text the editor puts in is taken as it is.
        input.addEventListener("kemora:set", () => { accepted = input.value; });
    }

    private setField(id: string, value: string): void {
        const input = this.field(id);
        input.value = value;
        input.dispatchEvent(new Event("kemora:set"));
    }

    private showPage(index: number): void {
        kPages.forEach((page, at) => {
            this.element(page).hidden = at !== index;
            const tab = this.element(`SSTabMenu_${at}`);
            tab.setAttribute("aria-selected", String(at === index));
            tab.tabIndex = at === index ? 0 : -1;
        });
        // Measured while shown, in the words of the present language.
        if (kPages[index] === "pageSetVolume") this.fitVolumeSentence();
    }

    private OpenEditor(): void {
        const form = this.core.SettingsFormOf(this.win.settings());
        (this.element("frmSinario_cmbPressUnit") as HTMLSelectElement).selectedIndex = form.pressureUnitIndex;
        this.setField("frmSinario_txtGrphWMin", form.volumeMin);
        this.setField("frmSinario_txtGrphWMax", form.volumeMax);
        this.setField("frmSinario_txtPressWMin", form.pressureMin);
        this.setField("frmSinario_txtPressWMax", form.pressureMax);
        this.setField("frmSinario_txtContainer", form.temperature);
        this.setField("frmSinario_txtMol", form.mol);
        this.setField("cmbBussitu", tr("水"));
        this.setField("txtTTl", this.core.ScenarioTitleText(this.win));
        this.titleEdited = false;
        this.setField("txtTemp", "");
        this.field("chkAddTemp").checked = false;
        this.field("OptGrphOn").checked = true;
        this.showPage(0);
        this.RefreshStepList();
    }

    RefreshStepList(): void {
        const lines = this.win.StepListEntries().map((entry) => {
            const option = document.createElement("option");
            option.textContent = stepLineText(entry);
            return option;
        });
        this.list.replaceChildren(...lines);
        this.list.selectedIndex = -1;
    }

    private txtTTl_LostFocus(): void {
        // Only a title the user has edited is stored: a focus change alone must not turn a
        // never-assigned title into spaces or change the title of a loaded file.
        if (!this.titleEdited) return;
        this.win.AssignTitle(this.field("txtTTl").value);
        this.titleEdited = false;
    }

    // The entry whose text the liquid field holds exactly; -1 for typed text that is none.
    private liquidIndex(): number {
        const typed = this.field("cmbBussitu").value;
        return [...this.dialog.querySelectorAll("#cmbBussitu_entries option")]
            .findIndex((option) => option.textContent === typed);
    }

    private addBuilt(built: StepBuild): void {
        if (built.problem) {
            this.reportUnusableField(built.problem);
            return;
        }
        if (!built.step) return;
        if (!this.win.AddStep(built.step, this.list.selectedIndex)) {
            this.message(tr("ステップは%1個までしか作れません。", this.core.kMaxStepCount));
            return;
        }
        this.RefreshStepList();
    }

    private reportUnusableField(problem: FieldProblem): void {
        const control = this.element(kFieldIds[problem.field]);
        const page = kPages.findIndex((id) => this.element(id).contains(control));
        if (page >= 0) this.showPage(page);
        this.message(fieldProblemText(problem), control);
    }

    // The message box: OK, or Esc, closes it; then the focus goes to `focusAfter`, its text
    // selected.
    private message(text: string, focusAfter?: HTMLElement): void {
        void showMessage(text, tr("シナリオ作成")).then(() => {
            if (!focusAfter) return;
            focusAfter.focus();
            if (focusAfter instanceof HTMLInputElement) focusAfter.select();
        });
    }

    private fileKind(): FileKind {
        return { description: tr("シナリオデータ(*.so2)"), extension: ".so2" };
    }

    private load(file: ChosenFile): void {
        const result = this.win.DecodeScenario(file.bytes);
        if (result !== ScenarioFileResult.Ok) {
            const reason = result === ScenarioFileResult.TooShort ? `\n${tr("ファイルが短すぎます。")}`
                         : result === ScenarioFileResult.BadStepCount ? `\n${tr("ステップ数が正しくありません。")}`
                         : "";
            this.message(`${tr("シナリオデータを読み込めませんでした。")}\n${file.name}${reason}`);
            return;
        }
        this.setField("txtTTl", this.core.ScenarioTrimmedTitle(this.win));
        this.titleEdited = false;
        this.RefreshStepList();
    }

    private async save(): Promise<void> {
        const name = this.core.WithScenarioExtension(this.core.ScenarioTrimmedTitle(this.win) || "scenario");
        try {
            await saveFile(this.fileKind(), name, this.win.EncodeScenario());
        } catch (error) {
            const chosen = error instanceof FileWriteError ? error.fileName : name;
            this.message(`${tr("シナリオデータを保存できませんでした。")}\n${chosen}`);
        }
    }
}

// The menu item シナリオ設定 opens the editor.
export function setUpSinario(core: KemoraCore, win: MainWindow, menuItem: HTMLElement): void {
    const editor = new frmSinario(core, win);
    menuItem.addEventListener("click", () => editor.show());
}
