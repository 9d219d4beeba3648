// One calculator on the page: hands every change of a box to the engine and
// shows what it answers. Texts are only ever set as text, never as markup.

function acpowerMount(root, engine, options) {
  const form = ACPOWER_FORM;
  const find = (name) => root.querySelector("#" + name);
  const entries = form.entries.map(find);
  const results = form.results.map(find);
  const selector = find(form.selector);
  const notice = find("Notice");
  const hint = find("Hint");
  const powerClass = find("PowerClass");
  const narrow = window.matchMedia(form.narrow);
  const id = engine.create(engine.separator);
  // The number each box offers back after an emptying, and whether the
  // browser's history cannot, so that the undo keys are answered here.
  const restorable = entries.map(() => "");
  const ownUndo = entries.map(() => false);
  const focused = () => root.getRootNode().activeElement;
  let noticeTimer = 0;
  let hintBox = null;

  // Under the box, moved left when it would stick out of the form.
  const placeUnder = (element, box) => {
    element.style.left = "0px";
    element.style.top = box.offsetTop + box.offsetHeight + 1 + "px";
    const room = root.clientWidth - element.offsetWidth;
    element.style.left = Math.max(0, Math.min(box.offsetLeft, room)) + "px";
  };

  const hideNotice = () => {
    clearTimeout(noticeTimer);
    notice.hidden = true;
    notice.replaceChildren();
    delete notice.dataset.box;
  };

  const showNotice = (box, text, number) => {
    notice.replaceChildren(text);
    // A phone has no Ctrl+Z: the notice offers the number back itself.
    if (number !== "" && narrow.matches) {
      const undo = document.createElement("button");
      undo.type = "button";
      undo.id = "NoticeUndo";
      undo.textContent = "Вернуть «" + number + "»";
      undo.addEventListener("click", () => restore(box));
      notice.append(undo);
    }
    notice.dataset.box = box.id;
    notice.hidden = false;
    placeUnder(notice, box);
    noticeTimer = setTimeout(hideNotice, form.noticeMs);
  };

  const hideHint = () => {
    if (hintBox) {
      hintBox.removeAttribute("aria-describedby");
    }
    hintBox = null;
    hint.hidden = true;
    delete hint.dataset.box;
  };

  const showHint = (box) => {
    const text = engine.hint(id, results.indexOf(box));
    hideHint();
    if (text === "") {
      return;
    }
    hint.textContent = text;
    hint.dataset.box = box.id;
    hint.hidden = false;
    box.setAttribute("aria-describedby", "Hint");
    hintBox = box;
    placeUnder(hint, box);
  };

  const showResults = (texts) => {
    results.forEach((box, i) => {
      box.value = texts[i];
      // The leading digits say how large a number is.
      box.scrollLeft = 0;
    });
    const powerHint = engine.hint(id, 1).split("\n");
    powerClass.textContent = powerHint.length > 1 ? powerHint[powerHint.length - 1] : "";
    if (hintBox) {
      showHint(hintBox);
    }
    options.changed();
  };

  const accept = (box) => {
    const field = entries.indexOf(box);
    hideNotice();
    const outcome = engine.entry(id, field, box.value);
    restorable[field] = "";
    if (outcome.clear) {
      const undoable = empty(box, outcome.restorable);
      restorable[field] = outcome.restorable;
      ownUndo[field] = !undoable;
    } else {
      showResults(outcome.results);
    }
    if (outcome.notice !== "") {
      showNotice(box, outcome.notice, outcome.restorable);
    }
  };

  // As the desktop boxes do: the number the box held is put back and then
  // deleted as an edit, so that the browser's own undo (Ctrl+Z, ⌘Z, the
  // context menu) brings it back and the rule runs on it like on any change.
  // The deletion is itself a change, which runs the rule on the empty text.
  const empty = (box, number) => {
    if (number !== "" && focused() === box) {
      box.value = number;
      box.select();
      if (document.execCommand("delete")) {
        return true;
      }
    }
    box.value = "";
    accept(box);
    return false;
  };

  // The notice's button, and the undo keys where the browser's history no
  // longer holds the number.
  const restore = (box) => {
    const field = entries.indexOf(box);
    if (restorable[field] === "" || box.value !== "") {
      return false;
    }
    box.value = restorable[field];
    box.focus();
    accept(box);
    return true;
  };

  entries.forEach((box) => {
    box.addEventListener("input", () => accept(box));
    box.addEventListener("keydown", (event) => {
      const undo = (event.ctrlKey || event.metaKey) && !event.shiftKey && !event.altKey && event.code === "KeyZ";
      if (undo && ownUndo[entries.indexOf(box)] && restore(box)) {
        event.preventDefault();
      }
    });
  });

  const pick = () => {
    hideNotice();
    showResults(engine.pick(id, selector.selectedIndex));
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

  results.forEach((box) => {
    box.addEventListener("mouseenter", () => showHint(box));
    box.addEventListener("focus", () => showHint(box));
    box.addEventListener("mouseleave", () => {
      if (focused() !== box) {
        hideHint();
      }
    });
    box.addEventListener("blur", hideHint);
    box.addEventListener("keydown", (event) => {
      if (event.key === "Escape") {
        hideHint();
      }
    });
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
  // The start shows the shady side and computes nothing.
  selector.selectedIndex = engine.shady(id);
  // For scripts and tests: the engine answers from now on.
  root.dataset.ready = "";

  return {
    // Five box texts and the side's text, as the address keeps a room.
    room: () => entries.map((box) => box.value).concat(selector.value),
    // Each text goes through the entry rule, as if typed; junk is emptied.
    setRoom(texts) {
      entries.forEach((box, i) => {
        const text = texts[i] || "";
        if (box.value !== text) {
          box.value = text;
          accept(box);
        }
      });
      const side = Array.from(selector.options).findIndex((option) => option.text === texts[entries.length]);
      if (side >= 0) {
        selector.selectedIndex = side;
        showResults(engine.pick(id, side));
      }
    },
    focusFirst: () => find(form.first).focus(),
    close: () => engine.remove(id),
  };
}
