// Reads a Qt translation file (.ts): the English of each Japanese source, by context.
const kEntities = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };

function unescapeXml(text) {
    return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
        if (name.startsWith("#x")) return String.fromCodePoint(parseInt(name.slice(2), 16));
        if (name.startsWith("#")) return String.fromCodePoint(parseInt(name.slice(1), 10));
        return kEntities[name] ?? whole;
    });
}

// Map of context name → Map of source → translation ("" when not yet translated).
export function parseTranslations(xml) {
    const contexts = new Map();
    for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = unescapeXml(/<name>([\s\S]*?)<\/name>/.exec(body)?.[1] ?? "");
        const messages = contexts.get(name) ?? new Map();
        for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
            const source = /<source>([\s\S]*?)<\/source>/.exec(message);
            const translation = /<translation[^>]*?(?:\/>|>([\s\S]*?)<\/translation>)/.exec(message);
            if (!source) continue;
            messages.set(unescapeXml(source[1]), unescapeXml(translation?.[1] ?? ""));
            // A source worded two ways in one context is told apart by its comment, also kept
            // as "source\u0004comment" (see trNoted).
            const comment = /<comment>([\s\S]*?)<\/comment>/.exec(message);
            if (comment) messages.set(`${unescapeXml(source[1])}\u0004${unescapeXml(comment[1])}`, unescapeXml(translation?.[1] ?? ""));
        }
        contexts.set(name, messages);
    }
    return contexts;
}

// The contexts whose texts the page shows: the main window's, the liquids' names, the settings
// dialog's, the scenario editor's and its step list's, the curve window's, the exports' and the
// worksheet's, the version dialog's, and the texts only the page has (kPageOnlyContext).
export const kPageContexts = ["kemora::ui::frmMain", "Liquids", "kemora::dialogs::frmSystem", "kemora::ui::frmCurve",
                              "kemora::ui::CurvePlot", "kemora::ui::ExportCommands", "GraphPage",
                              "kemora::dialogs::frmAbout", "kemora::web::Page", "kemora::dialogs::frmSinario",
                              "StepList"];

// The texts of the page that the desktop lacks (its storage, its file input): the sources'
// check leaves them to the page's own test.
export const kPageOnlyContext = "kemora::web::Page";

// Contexts that word some source otherwise than the page's contexts do (the field messages'
// "a pressure unit" against a label's "Pressure unit", a table cell in lower case): the page
// looks their texts up under the context's name as well (texts.ts, trIn), never by source alone.
export const kQualifiedContexts = ["FieldMessages", "TableWording", "kemora::dialogs::frmSystem"];

// The key of a text looked up by context and source.
export function qualifiedKey(context, source) {
    return `${context}\u0004${source}`;
}

// The English of every source of the page's contexts; a source that two contexts translate
// differently is an error, as the page looks texts up by source alone.
export function pageTranslations(xml) {
    const contexts = parseTranslations(xml);
    const table = {};
    for (const name of kPageContexts) {
        for (const [source, translation] of contexts.get(name) ?? []) {
            if (source in table && table[source] !== translation) {
                throw new Error(`"${source}" is translated two ways`);
            }
            table[source] = translation;
        }
    }
    for (const name of kQualifiedContexts) {
        for (const [source, translation] of contexts.get(name) ?? []) table[qualifiedKey(name, source)] = translation;
    }
    return table;
}
