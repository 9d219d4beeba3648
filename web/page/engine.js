// The engine, compiled to WebAssembly, behind a few calls that move texts in
// and out of its memory. Nothing of the calculator is computed here.

const ACPOWER_FIELD_SEPARATOR = "\u001f";

// The WASI calls libc may import. The engine writes nothing and never exits;
// whatever else it imports answers "not supported".
function acpowerSystemStubs(module, memoryOf) {
  const unsupported = 52;
  const own = {
    fd_write(fd, iovs, count, written) {
      const view = new DataView(memoryOf().buffer);
      let total = 0;
      for (let i = 0; i < count; i++) {
        total += view.getUint32(iovs + i * 8 + 4, true);
      }
      view.setUint32(written, total, true);
      return 0;
    },
    proc_exit(code) {
      throw new Error("acpower: the engine exited with status " + code);
    },
    clock_time_get(id, precision, time) {
      new DataView(memoryOf().buffer).setBigUint64(time, BigInt(Math.round(Date.now() * 1e6)), true);
      return 0;
    },
    random_get(buffer, length) {
      crypto.getRandomValues(new Uint8Array(memoryOf().buffer, buffer, length));
      return 0;
    },
  };
  const imports = {};
  for (const wanted of WebAssembly.Module.imports(module)) {
    if (wanted.kind !== "function") {
      continue;
    }
    imports[wanted.module] = imports[wanted.module] || {};
    imports[wanted.module][wanted.name] = own[wanted.name] || (() => unsupported);
  }
  return imports;
}

function acpowerBytes(base64) {
  if (Uint8Array.fromBase64) {
    return Uint8Array.fromBase64(base64);
  }
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) {
    bytes[i] = text.charCodeAt(i);
  }
  return bytes;
}

// The decimal separator of the languages met most, as Intl.NumberFormat
// gives it: a page's first number format costs about 23 ms. Others ask it.
const ACPOWER_SEPARATORS = {
  ",": " af af-ZA bg bg-BG ca ca-ES cs cs-CZ da da-DK de de-AT de-BE de-DE de-LU el el-GR en-AT en-BE en-DE "
    + "en-DK en-FI en-NL en-SE en-ZA es es-AR es-CL es-CO es-ES es-UY es-VE et et-EE fi fi-FI fr fr-BE "
    + "fr-CA fr-CH fr-FR fr-LU hr hr-HR hu hu-HU id id-ID it it-IT lt lt-LT lv lv-LV nb nb-NO nl nl-BE "
    + "nl-NL no pl pl-PL pt pt-BR pt-PT ro ro-MD ro-RO ru ru-BY ru-KZ ru-RU ru-UA sk sk-SK sl sl-SI sr "
    + "sr-RS sv sv-FI sv-SE tr tr-TR uk uk-UA vi vi-VN ",
  ".": " am bn bn-BD bn-IN de-CH de-LI en en-AU en-CA en-CH en-GB en-IE en-IN en-NZ en-PH en-SG en-US "
    + "es-419 es-MX es-PE es-US fil gu he he-IL hi hi-IN it-CH ja ja-JP kn ko ko-KR ml mr ms "
    + "ms-MY sw sw-KE ta te th th-TH ur ur-PK zh zh-CN zh-HK zh-SG zh-TW ",
};

function acpowerKnownSeparator(language) {
  const tag = " " + language + " ";
  const found = Object.keys(ACPOWER_SEPARATORS).find((separator) => ACPOWER_SEPARATORS[separator].includes(tag));
  return found || "";
}

function acpowerDecimalSeparator(language) {
  const known = acpowerKnownSeparator(language);
  if (known !== "") {
    return known;
  }
  const part = new Intl.NumberFormat(language).formatToParts(1.5).find((p) => p.type === "decimal");
  return part && part.value.length === 1 ? part.value : ".";
}

// Compiled at once, on this thread: about a millisecond, where the
// asynchronous road waits for its turns. A browser that refuses this size
// (older Chromium allowed 4 KB) takes that road.
async function acpowerInstance(bytes, importsOf) {
  try {
    const module = new WebAssembly.Module(bytes);
    return new WebAssembly.Instance(module, importsOf(module));
  } catch (error) {
    if (!(error instanceof RangeError)) {
      throw error;
    }
    const module = await WebAssembly.compile(bytes);
    return WebAssembly.instantiate(module, importsOf(module));
  }
}

// One module serves every calculator on the page; each has its own id.
async function acpowerLoadEngine(bytes, language) {
  let memory = null;
  const instance = await acpowerInstance(bytes, (module) => acpowerSystemStubs(module, () => memory));
  const calls = instance.exports;
  memory = calls.memory;
  if (calls._initialize) {
    calls._initialize();
  }
  const decoder = new TextDecoder("utf-16le");
  const reply = (address) => decoder.decode(new Uint16Array(memory.buffer, address, calls.acpower_reply_units()));
  const fields = (address) => reply(address).split(ACPOWER_FIELD_SEPARATOR);
  const put = (text) => {
    const address = calls.acpower_input(text.length);
    const units = new Uint16Array(memory.buffer, address, text.length);
    for (let i = 0; i < text.length; i++) {
      units[i] = text.charCodeAt(i);
    }
    return text.length;
  };
  return {
    separator: acpowerDecimalSeparator(language),
    create: (decimal) => calls.acpower_new(decimal.charCodeAt(0)),
    remove: (id) => calls.acpower_delete(id),
    touch: (id) => calls.acpower_touch(id),
    shady: (id) => calls.acpower_shady(id),
    entry(id, field, text) {
      const [clear, notice, restorable, volume, power] = fields(calls.acpower_entry(id, field, put(text)));
      return { clear: clear === "1", notice, restorable, results: [volume, power] };
    },
    pick: (id, index) => fields(calls.acpower_pick(id, index)),
    hint: (id, result) => reply(calls.acpower_hint(id, result)),
    side: (index) => reply(calls.acpower_side(index)),
    account: (id) => reply(calls.acpower_account(id)),
  };
}
