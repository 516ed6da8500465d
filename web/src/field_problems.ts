// The words of a field that cannot be used, as the desktop's dialogs say them.
import { FieldFailure, FormField, type FieldProblem } from "./core_settings";
import { trIn } from "./texts";

// What a message, and a screen reader, calls a field.
export function fieldName(field: FormField): string {
    switch (field) {
        case FormField.Mol: return trIn("FieldMessages", "物質量（mol）");
        case FormField.Temperature: return trIn("FieldMessages", "温度（℃）");
        case FormField.PressureUnit: return trIn("FieldMessages", "圧力の単位");
        case FormField.VolumeMin: return trIn("FieldMessages", "グラフの容量範囲の最小値");
        case FormField.VolumeMax: return trIn("FieldMessages", "グラフの容量範囲の最大値");
        case FormField.PressureMin: return trIn("FieldMessages", "グラフの圧力範囲の最小値");
        case FormField.PressureMax: return trIn("FieldMessages", "グラフの圧力範囲の最大値");
        case FormField.Volume: return trIn("FieldMessages", "容量（リットル）");
    }
}

// The message that tells the user what is wrong with a field.
export function fieldProblemText(problem: FieldProblem): string {
    const name = fieldName(problem.field);
    switch (problem.failure) {
        case FieldFailure.NoNumber: return trIn("FieldMessages", "%1に数値を入力してください。", name);
        case FieldFailure.OutOfRange: return trIn("FieldMessages", "%1の数値が扱える範囲を超えています。", name);
        case FieldFailure.NothingChosen: return trIn("FieldMessages", "%1を選んでください。", name);
    }
}
