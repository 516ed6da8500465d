// The scenario editor's part of the core's face: the scenario's bytes in and out, its step
// list and title, and what the editor's fields allow.
import type { MainWindow, ScenarioStep } from "./core";

// The settings in use, as the core hands them out.
export interface ExperimentSettingsLike {
    temperature: number;
    mol: number;
    temperatureUnit: number;
    pressureUnit: number;
    grphWMin: number;
    grphWMax: number;
    grphHMin: number;
    grphHMax: number;
}

// What a field of a form holds that cannot be used, as the core names it.
export enum FormField { Mol = 0, Temperature, PressureUnit, VolumeMin, VolumeMax, PressureMin, PressureMax, Volume }
export enum FieldFailure { NoNumber = 0, OutOfRange, NothingChosen }
export interface FieldProblem {
    field: FormField;
    failure: FieldFailure;
}

// The texts of the page 初期設定 (as the core's settings form).
export interface SettingsForm {
    mol: string;
    temperature: string;
    pressureUnitIndex: number;
    volumeMin: string;
    volumeMax: string;
    pressureMin: string;
    pressureMax: string;
}

export interface StepBuild {
    step: ScenarioStep | null;
    problem: FieldProblem | null;
}

// What a line of the step list tells, in the core's order.
export enum StepListKind { InitialSettings = 0, SetVolume, ShowGraph, HideGraph, ClearGraph, ChangeLiquid, Unknown }
export interface StepListEntry {
    kind: StepListKind;
    litres: number;
    gradual: boolean;
    liquid: number;
}

// How a read of a scenario's bytes went (the core's ScenarioFileResult).
export enum ScenarioFileResult { Ok = 0, CannotOpen, TooShort, BadStepCount, CannotWrite }

export interface ScenarioWindow extends MainWindow {
    settings(): ExperimentSettingsLike;
    EncodeScenario(): Uint8Array<ArrayBuffer>;
    DecodeScenario(bytes: Uint8Array): ScenarioFileResult;
    DeleteStep(selectedLine: number): boolean;
    StepListEntries(): StepListEntry[];
}

export interface SinarioCore {
    BuildInitialSettingsStep(page: SettingsForm): StepBuild;
    BuildSetVolumeStep(volumeText: string, gradual: boolean): StepBuild;
    BuildGraphStep(showGraph: boolean): ScenarioStep;
    BuildClearGraphStep(): ScenarioStep;
    BuildChangeLiquidStep(liquidIndex: number): ScenarioStep;
    ScenarioTitleText(window: MainWindow): string;
    ScenarioTrimmedTitle(window: MainWindow): string;
    // Whether the text fits the code page 932 bytes the field (by its id) lets the user type.
    SinarioTextFits(id: string, text: string): boolean;
    InitialSettingsPageForm(settings: ExperimentSettingsLike): SettingsForm;
    // The name with ".so2" added when it has no extension of its own.
    WithScenarioExtension(name: string): string;
    kMaxStepCount: number;
}
