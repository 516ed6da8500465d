// Builds the browser edition as one file: the page's HTML with its style, the core's module
// (its wasm inside) and the page's script inline, under a Content-Security-Policy that lets
// the page load nothing from anywhere.
//   node build.mjs --core path/to/kemora_core.js --out path/to/kemora.html
import { createHash } from "node:crypto";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { parseArgs } from "node:util";
import * as esbuild from "esbuild";
import { pageTranslations } from "./tools/translations.mjs";
import { writeOfflineFiles } from "./tools/offline_files.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const { values } = parseArgs({ options: { core: { type: "string" }, out: { type: "string" } } });
if (!values.core || !values.out) {
    console.error("usage: node build.mjs --core kemora_core.js --out kemora.html");
    process.exit(2);
}

const translations = pageTranslations(readFileSync(join(here, "../translations/kemora_en.ts"), "utf8"));
const bundle = await esbuild.build({
    entryPoints: [join(here, "src/main.ts")],
    bundle: true,
    write: false,
    format: "iife",
    target: "es2020",
    minify: true,
    charset: "utf8",
    legalComments: "none",
    plugins: [{
        name: "translations",
        setup(build) {
            build.onResolve({ filter: /^kemora:translations$/ }, (args) => ({ path: args.path, namespace: "kemora" }));
            build.onLoad({ filter: /.*/, namespace: "kemora" }, () => ({
                contents: JSON.stringify(translations),
                loader: "json",
            }));
        },
    }],
});

// An inline script must not close its element early.
const inline = (text) => text.replace(/<\/(script)/gi, "<\\/$1");
const script = inline(bundle.outputFiles[0].text);
const core = inline(readFileSync(values.core, "utf8"));
const style = readFileSync(join(here, "src/style.css"), "utf8");
const hash = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;
// The core's bindings build their functions with `new Function`, hence 'unsafe-eval'; the
// page's own code needs neither.
const csp = [
    "default-src 'none'",
    `script-src ${hash(core)} ${hash(script)} 'wasm-unsafe-eval' 'unsafe-eval'`,
    `style-src ${hash(style)}`,
    // The core's module reads its own inlined bytes through a data: URL, which never leaves.
    "connect-src data:",
    // Served over http(s), the page installs from its manifest, whose icons the browser reads
    // as the page's images, and keeps itself with its service worker, all beside it.
    "manifest-src 'self'",
    "img-src 'self'",
    "worker-src 'self'",
    "base-uri 'none'",
    "form-action 'none'",
].join("; ");

const parts = { "@CSP@": csp, "@STYLE@": style, "@CORE@": core, "@SCRIPT@": script };
const template = readFileSync(join(here, "src/kemora.html"), "utf8");
// Put in one pass, so that no part's own text is taken for a placeholder.
const page = template.replace(/@(CSP|STYLE|CORE|SCRIPT)@/g, (name) => parts[name]);
mkdirSync(dirname(values.out), { recursive: true });
writeFileSync(values.out, page);
await writeOfflineFiles(values.core, values.out, page, dirname(values.out));
console.log(`${values.out}: ${page.length} bytes`);
