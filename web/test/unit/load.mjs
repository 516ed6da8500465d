// Compiles one of the page's TypeScript modules, with what it imports, for node's test runner.
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import * as esbuild from "esbuild";

export const webDir = join(dirname(fileURLToPath(import.meta.url)), "../..");

export async function load(module) {
    const result = await esbuild.build({
        entryPoints: [join(webDir, "src", module)],
        bundle: true,
        write: false,
        format: "esm",
        platform: "neutral",
        target: "es2020",
    });
    const code = result.outputFiles[0].text;
    return import(`data:text/javascript;base64,${Buffer.from(code).toString("base64")}`);
}
