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
        }
        contexts.set(name, messages);
    }
    return contexts;
}

// The contexts whose texts the page shows: the main window's, the liquids' names, the version dialog's.
export const kPageContexts = ["kemora::ui::frmMain", "Liquids", "kemora::dialogs::frmAbout"];

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
    return table;
}
