// 初期設定 ("物質量"): the settings dialog over the main window. Fills its fields from the
// settings in use, checks them through the core when "閉じる" is pressed, and saves them into
// CONFIG2.INI; closing it activates the main window, which reads the file anew. Its own close
// box, like the desktop window's, closes without saving.
import type { KemoraCore, MainWindow } from "./core";
import { type ExperimentSettings, FieldFailure, FormField, type SettingsForm } from "./core_settings";
import { fieldName, fieldProblemText } from "./field_problems";
import { showMessage } from "./message_box";
import { showModal } from "./modal_dialog";
import type { SettingsStore } from "./settings_storage";
import { tr } from "./texts";

function byId<T extends HTMLElement>(id: string): T {
    const element = document.getElementById(id);
    if (!element) throw new Error(`#${id} is missing`);
    return element as T;
}

// The text fields in the order of the form, each with the field it shows.
const kTextFields: readonly [string, FormField][] = [
    ["txtMol", FormField.Mol],
    ["txtContainer", FormField.Temperature],
    ["txtGrphWMin", FormField.VolumeMin],
    ["txtGrphWMax", FormField.VolumeMax],
    ["txtPressWMin", FormField.PressureMin],
    ["txtPressWMax", FormField.PressureMax],
];

export class frmSystem {
    private readonly dialog = byId<HTMLDialogElement>("frmSystem");
    private readonly unitList = byId<HTMLSelectElement>("cmbPressUnit");
    private readonly fields = new Map<FormField, HTMLInputElement>(
        kTextFields.map(([id, field]) => [field, byId<HTMLInputElement>(id)]));
    // The text each field held last that its limit let through.
    private readonly kept = new Map<HTMLInputElement, string>();
    private settings: ExperimentSettings;

    constructor(private readonly core: KemoraCore, private readonly win: MainWindow,
                private readonly store: SettingsStore) {
        this.settings = win.settings();
        for (let unit = 0; unit < 3; ++unit) this.unitList.add(new Option(core.PressureUnitText(unit)));
        this.Form_Load();
        byId("cmdDefault").addEventListener("click", () => this.cmdDefault_Click());
        byId("cmdClose").addEventListener("click", () => void this.cmdClose_Click());
        byId("frmSystem_closeBox").addEventListener("click", () => this.dialog.close());
        // Esc is "閉じる", checks and saving included, as on the desktop.
        this.dialog.addEventListener("cancel", (event) => {
            event.preventDefault();
            void this.cmdClose_Click();
        });
        byId("menu_Init").addEventListener("click", () => this.open());
    }

    // Opens the dialog afresh from the settings in use; closing it activates the main window.
    open(): void {
        if (this.dialog.open) return;
        this.settings = this.win.settings();
        this.Form_Activate();
        showModal(this.dialog, () => this.win.Form_Activate());
        this.field(FormField.Mol).focus();
    }

    // Names each field for screen readers as the messages name it.
    retranslate(): void {
        for (const [field, input] of this.fields) input.setAttribute("aria-label", fieldName(field));
        this.unitList.setAttribute("aria-label", fieldName(FormField.PressureUnit));
    }

    private field(field: FormField): HTMLInputElement {
        return this.fields.get(field) as HTMLInputElement;
    }

    // Each field takes only as many code page 932 bytes as the core allows; a text the page
    // sets is never cut, and deleting is always allowed.
    private Form_Load(): void {
        for (const [field, input] of this.fields) {
            const limit = this.core.FieldByteLimit(field);
            const check = () => {
                const before = this.kept.get(input) ?? "";
                if (this.core.AcceptsTypedText(before, input.value, limit)) {
                    this.kept.set(input, input.value);
                    return;
                }
                const caret = Math.max(0, (input.selectionStart ?? 0) - (input.value.length - before.length));
                input.value = before;
                input.setSelectionRange(caret, caret);
            };
            // An input method's text is judged once it is committed.
            input.addEventListener("input", (event) => {
                if (!(event as InputEvent).isComposing) check();
            });
            input.addEventListener("compositionend", check);
        }
    }

    private Form_Activate(): void {
        const form = this.core.SettingsFormOf(this.settings);
        this.unitList.selectedIndex = form.pressureUnitIndex;
        const texts: [FormField, string][] = [
            [FormField.VolumeMin, form.volumeMin], [FormField.VolumeMax, form.volumeMax],
            [FormField.PressureMin, form.pressureMin], [FormField.PressureMax, form.pressureMax],
            [FormField.Temperature, form.temperature], [FormField.Mol, form.mol],
        ];
        for (const [field, text] of texts) {
            const input = this.field(field);
            input.value = text;
            this.kept.set(input, text);
        }
    }

    private cmdDefault_Click(): void {
        this.settings = this.core.DefaultSettings();
        this.Form_Activate();
    }

    // Every field is checked, top to bottom, before anything is kept, so that a field the core
    // cannot use leaves both the settings and the file as they were.
    private async cmdClose_Click(): Promise<void> {
        const form: SettingsForm = {
            mol: this.field(FormField.Mol).value,
            temperature: this.field(FormField.Temperature).value,
            pressureUnitIndex: this.unitList.selectedIndex,
            volumeMin: this.field(FormField.VolumeMin).value,
            volumeMax: this.field(FormField.VolumeMax).value,
            pressureMin: this.field(FormField.PressureMin).value,
            pressureMax: this.field(FormField.PressureMax).value,
        };
        const reading = this.core.ReadSettingsForm(form, this.settings);
        if (reading.problem || !reading.settings) {
            const problem = reading.problem ?? { field: FormField.Mol, failure: FieldFailure.NoNumber };
            await showMessage(fieldProblemText(problem), tr("物質量"));
            const control = problem.field === FormField.PressureUnit ? this.unitList : this.field(problem.field);
            control.focus();
            if (control instanceof HTMLInputElement) control.select();
            return;
        }
        this.store.save(this.core.SettingsIntoIni(this.store.bytes(), reading.settings));
        this.dialog.close();
    }
}
