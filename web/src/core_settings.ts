// The core's face for the settings: the settings dialog's form and its checks, the settings
// file's bytes (CONFIG2.INI, as the desktop writes it) and the check of a file brought in.
import "./core";

export interface ExperimentSettings {
    temperature: number;
    mol: number;
    temperatureUnit: number;
    pressureUnit: number;
    grphWMin: number;
    grphWMax: number;
    grphHMin: number;
    grphHMax: number;
}

// The texts of a settings form; pressureUnitIndex -1 when no unit is chosen.
export interface SettingsForm {
    mol: string;
    temperature: string;
    pressureUnitIndex: number;
    volumeMin: string;
    volumeMax: string;
    pressureMin: string;
    pressureMax: string;
}

export enum FormField {
    Mol = 0,
    Temperature = 1,
    PressureUnit = 2,
    VolumeMin = 3,
    VolumeMax = 4,
    PressureMin = 5,
    PressureMax = 6,
    Volume = 7,
}

export enum FieldFailure {
    NoNumber = 0,
    OutOfRange = 1,
    NothingChosen = 2,
}

export interface FieldProblem {
    field: FormField;
    failure: FieldFailure;
}

export enum SettingsFileCheck {
    Usable = 0,
    TooLarge = 1,
    NotSettings = 2,
}

export enum ViewLanguage {
    Japanese = 0,
    English = 1,
}

declare module "./core" {
    interface MainWindow {
        // The settings file's bytes that the next Form_Activate reads.
        setSettingsBytes(bytes: Uint8Array): void;
        // The settings in use.
        settings(): ExperimentSettings;
    }

    interface KemoraCore {
        SettingsFromIni(bytes: Uint8Array): ExperimentSettings;
        SettingsIntoIni(bytes: Uint8Array, settings: ExperimentSettings): Uint8Array;
        ViewLanguageFromIni(bytes: Uint8Array): ViewLanguage;
        ViewLanguageIntoIni(bytes: Uint8Array, language: ViewLanguage): Uint8Array;
        ReadSettingsForm(form: SettingsForm, current: ExperimentSettings):
            { settings: ExperimentSettings | null; problem: FieldProblem | null };
        SettingsFormOf(settings: ExperimentSettings): SettingsForm;
        DefaultSettings(): ExperimentSettings;
        // "mmHg", "atm", or "hPa" for every other value.
        PressureUnitText(unit: number): string;
        FieldByteLimit(field: FormField): number;
        AcceptsTypedText(before: string, after: string, limit: number): boolean;
        CheckSettingsFile(bytes: Uint8Array): SettingsFileCheck;
        kMaxSettingsFileBytes: number;
    }
}
