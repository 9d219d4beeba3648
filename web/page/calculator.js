// One calculator on the page: hands every change of a box to the engine and
// shows what it answers. Texts are only ever set as text, never as markup.
// The pieces below share one object, `ui`: the form's elements and what the
// calculator remembers between events.

function acpowerParts(root, engine, options) {
  const form = ACPOWER_FORM;
  const find = (name) => root.querySelector("#" + name);
  const entries = form.entries.map(find);
  return {
    root,
    engine,
    options,
    form,
    find,
    entries,
    results: form.results.map(find),
    selector: find(form.selector),
    notice: find("Notice"),
    hint: find("Hint"),
    powerClass: find("PowerClass"),
    id: acpowerCreate(engine, form),
    // The number each box offers back after an emptying, and whether the
    // browser's history cannot, so that the undo keys are answered here.
    restorable: entries.map(() => ""),
    ownUndo: entries.map(() => false),
    focused: () => root.getRootNode().activeElement,
    noticeTimer: 0,
    hintBox: null,
  };
}

// A calculator of the engine's; on a touch screen its notices name the
// notice's button, since there is no undo key to name.
function acpowerCreate(engine, form) {
  const id = engine.create(engine.separator);
  if (window.matchMedia(form.touch).matches) {
    engine.touch(id);
  }
  return id;
}

// The notice under a box that the engine emptied or warned about.
function acpowerNotices(ui) {
  const notice = ui.notice;
  // Its place is the style's, by the box it names (data-box).
  ui.hideNotice = () => {
    clearTimeout(ui.noticeTimer);
    notice.hidden = true;
    notice.replaceChildren();
    delete notice.dataset.box;
  };

  ui.showNotice = (box, text, number) => {
    notice.replaceChildren(text);
    // A phone has no Ctrl+Z: the notice offers the number back itself. The
    // form's layout, with its keys, hides the button; the one column shows it.
    if (number !== "") {
      const undo = document.createElement("button");
      undo.type = "button";
      undo.id = "NoticeUndo";
      undo.textContent = ui.form.restoreButton + " «" + number + "»";
      undo.addEventListener("click", () => ui.restore(box));
      notice.append(undo);
    }
    notice.dataset.box = box.id;
    notice.hidden = false;
    ui.noticeTimer = setTimeout(ui.hideNotice, ui.form.noticeMs);
  };
}

// The result boxes: their texts, and the hover text of the one pointed at.
function acpowerResults(ui) {
  const { engine, id, hint, results } = ui;
  ui.hideHint = () => {
    if (ui.hintBox) {
      ui.hintBox.removeAttribute("aria-describedby");
    }
    ui.hintBox = null;
    hint.hidden = true;
    delete hint.dataset.box;
  };

  ui.showHint = (box) => {
    const text = engine.hint(id, results.indexOf(box));
    ui.hideHint();
    if (text === "") {
      return;
    }
    hint.textContent = text;
    hint.dataset.box = box.id;
    hint.hidden = false;
    box.setAttribute("aria-describedby", "Hint");
    ui.hintBox = box;
  };

  // Shown in the one-column layout only, so made only there. Whether it
  // shows is the style's to say (the container's width, a touch screen);
  // a size observer learns it without laying the page out in a keystroke.
  ui.showPowerClass = () => {
    const powerHint = engine.hint(id, 1).split("\n");
    ui.powerClass.textContent = powerHint.length > 1 ? powerHint[powerHint.length - 1] : "";
  };
  ui.powerClassShown = false;
  new ResizeObserver(([seen]) => {
    ui.powerClassShown = seen.contentRect.width > 0;
    if (ui.powerClassShown) {
      ui.showPowerClass();
    }
  }).observe(ui.powerClass);

  ui.showResults = (texts) => {
    const focused = ui.focused();
    results.forEach((box, i) => {
      box.value = texts[i];
      // The leading digits say how large a number is. A box without the
      // focus shows them already; scrolling one would lay the page out.
      if (box === focused) {
        box.scrollLeft = 0;
      }
    });
    if (ui.powerClassShown) {
      ui.showPowerClass();
    }
    if (ui.hintBox) {
      ui.showHint(ui.hintBox);
    }
    ui.options.changed();
  };
}

function acpowerHintEvents(ui) {
  ui.results.forEach((box) => {
    box.addEventListener("mouseenter", () => ui.showHint(box));
    box.addEventListener("focus", () => ui.showHint(box));
    box.addEventListener("mouseleave", () => {
      if (ui.focused() !== box) {
        ui.hideHint();
      }
    });
    box.addEventListener("blur", ui.hideHint);
    box.addEventListener("keydown", (event) => {
      if (event.key === "Escape") {
        ui.hideHint();
      }
    });
  });
}

// Every change of an entry box goes through the engine's rule.
function acpowerEntries(ui) {
  const { engine, id, entries, restorable, ownUndo } = ui;
  ui.accept = (box) => {
    const field = entries.indexOf(box);
    ui.hideNotice();
    const outcome = engine.entry(id, field, box.value);
    restorable[field] = "";
    if (outcome.clear) {
      const undoable = ui.empty(box, outcome.restorable);
      restorable[field] = outcome.restorable;
      ownUndo[field] = !undoable;
    } else {
      ui.showResults(outcome.results);
    }
    if (outcome.notice !== "") {
      ui.showNotice(box, outcome.notice, outcome.restorable);
    }
  };

  // As the desktop boxes do: the number the box held is put back and then
  // deleted as an edit, so that the browser's own undo (Ctrl+Z, ⌘Z, the
  // context menu) brings it back and the rule runs on it like on any change.
  // The deletion is itself a change, which runs the rule on the empty text.
  ui.empty = (box, number) => {
    if (number !== "" && ui.focused() === box) {
      box.value = number;
      box.select();
      if (document.execCommand("delete")) {
        return true;
      }
    }
    box.value = "";
    ui.accept(box);
    return false;
  };

  // The notice's button, and the undo keys where the browser's history no
  // longer holds the number.
  ui.restore = (box) => {
    const field = entries.indexOf(box);
    if (restorable[field] === "" || box.value !== "") {
      return false;
    }
    box.value = restorable[field];
    box.focus();
    ui.accept(box);
    return true;
  };
}

function acpowerEntryEvents(ui) {
  ui.entries.forEach((box) => {
    box.addEventListener("input", () => ui.accept(box));
    box.addEventListener("keydown", (event) => {
      const undo = (event.ctrlKey || event.metaKey) && !event.shiftKey && !event.altKey && event.code === "KeyZ";
      if (undo && ui.ownUndo[ui.entries.indexOf(box)] && ui.restore(box)) {
        event.preventDefault();
      }
    });
  });
}

// The window side's list, filled from the engine.
function acpowerSelector(ui) {
  const { engine, id, selector } = ui;
  const pick = () => {
    ui.hideNotice();
    ui.showResults(engine.pick(id, selector.selectedIndex));
  };
  // The desktop list recalculates on every pick, also of the entry shown,
  // which fires no change. A pick from the browser's list ends in a click
  // that no mouse press made (detail 0), after the change if there was one.
  let pickedNow = false;
  selector.addEventListener("change", () => {
    pick();
    pickedNow = true;
    setTimeout(() => {
      pickedNow = false;
    });
  });
  selector.addEventListener("click", (event) => {
    if (event.detail === 0 && !pickedNow) {
      pick();
    }
  });

  for (let index = 0; ; index++) {
    const text = engine.side(index);
    if (text === "") {
      break;
    }
    const option = document.createElement("option");
    option.textContent = text;
    selector.append(option);
  }
}

// What the page and the element do with a calculator.
function acpowerHandle(ui) {
  const { engine, id, entries, selector } = ui;
  return {
    // Five box texts and the side's text, as the address keeps a room.
    room: () => entries.map((box) => box.value).concat(selector.value),
    // Each text goes through the entry rule, as if typed; junk is emptied.
    setRoom(texts) {
      entries.forEach((box, i) => {
        const text = texts[i] || "";
        if (box.value !== text) {
          box.value = text;
          ui.accept(box);
        }
      });
      const side = Array.from(selector.options).findIndex((option) => option.text === texts[entries.length]);
      if (side >= 0) {
        selector.selectedIndex = side;
        ui.showResults(engine.pick(id, side));
      }
    },
    focusFirst: () => ui.find(ui.form.first).focus(),
    // The whole calculation as the engine writes it, for copy and print.
    account: () => engine.account(id),
    close: () => engine.remove(id),
  };
}

function acpowerMount(root, engine, options) {
  const ui = acpowerParts(root, engine, options);
  acpowerNotices(ui);
  acpowerResults(ui);
  acpowerEntries(ui);
  acpowerEntryEvents(ui);
  acpowerSelector(ui);
  acpowerHintEvents(ui);
  // The start shows the shady side and computes nothing.
  ui.selector.selectedIndex = engine.shady(ui.id);
  // For scripts and tests: the engine answers from now on.
  root.dataset.ready = "";
  return acpowerHandle(ui);
}
