// <acpower-calculator>: the calculator for other pages. Its look lives in
// an open shadow root, out of reach of the host page's styles, as
// constructed style sheets, which no Content-Security-Policy refuses; the
// link cursor is the file beside this script, which 'self' allows.

const acpowerScript = document.currentScript ? document.currentScript.src : document.baseURI;
let acpowerEngine = null;

class AcpowerCalculator extends HTMLElement {
  constructor() {
    super();
    const shadow = this.attachShadow({ mode: "open" });
    const cursor = new URL("acpower-link.cur", acpowerScript).href;
    const sheet = new CSSStyleSheet();
    sheet.replaceSync(ACPOWER_FORM.style.split(ACPOWER_FORM.cursorMark).join(JSON.stringify(cursor)));
    shadow.adoptedStyleSheets = [sheet];
    this.root = document.createElement("div");
    this.root.className = "acpower";
    this.root.lang = "ru";
    // A landmark of its own, whatever the host page's structure; a page with
    // two of them tells them apart with a label="…" of its own.
    this.root.setAttribute("role", "region");
    this.root.setAttribute("aria-label", this.getAttribute("label") || ACPOWER_FORM.title);
    // The form's own markup, written at build time; no user text in it.
    this.root.innerHTML = ACPOWER_FORM.markup;
    shadow.append(this.root);
    this.calculator = null;
  }

  connectedCallback() {
    if (this.calculator) {
      return;
    }
    acpowerEngine = acpowerEngine || acpowerLoadEngine(acpowerBytes(ACPOWER_WASM), navigator.language);
    this.calculator = acpowerEngine.then((engine) => {
      const calculator = acpowerMount(this.root, engine, { changed: () => {} });
      // Like the desktop window, with the first box ready for typing; only
      // when the host asks, since taking the focus scrolls the host page.
      if (this.hasAttribute("autofocus")) {
        calculator.focusFirst();
      }
      // A link only to the host's own page, and only one it names over https.
      const page = this.getAttribute("page") || "";
      if (this.getAttribute("actions") !== "none") {
        acpowerActions(this.root, calculator, () => (page.startsWith("https://") ? page : ""), false);
      }
      return calculator;
    });
  }
}

customElements.define("acpower-calculator", AcpowerCalculator);
