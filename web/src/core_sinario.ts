// The scenario editor's part of the core's face: the scenario's bytes in and out, its step
// list and title, and what the editor's fields allow.
import type { MainWindow, ScenarioStep } from "./core";
import type { FieldProblem, SettingsForm } from "./core_settings";

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
    EncodeScenario(): Uint8Array<ArrayBuffer>;
    DecodeScenario(bytes: Uint8Array): ScenarioFileResult;
    DeleteStep(selectedLine: number): boolean;
    StepListEntries(): StepListEntry[];
}

export interface SinarioCore {
    BuildInitialSettingsStep(page: SettingsForm): StepBuild;
    ScenarioTitleText(window: MainWindow): string;
    ScenarioTrimmedTitle(window: MainWindow): string;
    // Whether the text fits the code page 932 bytes the field (by its id) lets the user type.
    SinarioTextFits(id: string, text: string): boolean;
    // The name with ".so2" added when it has no extension of its own.
    WithScenarioExtension(name: string): string;
    kMaxStepCount: number;
}
