// The English of the page's Japanese texts, read from translations/kemora_en.ts at build time.
declare module "kemora:translations" {
    const english: Readonly<Record<string, string>>;
    export default english;
}
