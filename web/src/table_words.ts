// The words of the table of plotted states, in the interface language, as the core's table
// and CSV file take them.
import type { TableWords } from "./core_exports";
import { liquidName } from "./curve_plot";
import { trIn } from "./texts";

export function tableWords(): TableWords {
    return {
        liquids: [0, 1, 2].map(liquidName),
        phases: [trIn("TableWording", "すべて液体"), trIn("TableWording", "液体と蒸気"),
                 trIn("TableWording", "すべて蒸気")],
        // In the order of the core's columns: volume, pressure, liquid, temperature, amount, phase.
        columns: [trIn("TableWording", "容量"), trIn("TableWording", "圧力"), trIn("TableWording", "液体"),
                  trIn("TableWording", "温度"), trIn("TableWording", "物質量"), trIn("TableWording", "状態")],
    };
}
