// The single page: one calculator, whose room lives in the address after
// "#", as "#25;2,8;3;2;1000;солнечную", so that a link reproduces it.

// Written once typing pauses and as the page is left, so a link copied
// just after holds the room: a history update is most of a keystroke.
const ACPOWER_ADDRESS_PAUSE_MS = 250;

acpowerLoadEngine(acpowerBytes(ACPOWER_WASM), navigator.language).then((engine) => {
  let written = location.hash;
  let calculator = null;
  let timer = 0;
  let due = 0;
  const write = () => {
    clearTimeout(timer);
    timer = 0;
    written = "#" + calculator.room().map(acpowerAddressPart).join(";");
    history.replaceState(history.state, "", written);
  };
  // One timer a run of keys, put off while they come.
  const writeWhenDue = () => {
    const left = due - performance.now();
    timer = left > 0 ? setTimeout(writeWhenDue, left) : 0;
    if (timer === 0) {
      write();
    }
  };
  calculator = acpowerMount(document.querySelector(".acpower"), engine, {
    changed: () => {
      due = performance.now() + ACPOWER_ADDRESS_PAUSE_MS;
      if (calculator && timer === 0) {
        timer = setTimeout(writeWhenDue, ACPOWER_ADDRESS_PAUSE_MS);
      }
    },
  });
  window.addEventListener("pagehide", () => timer !== 0 && write());
  if (location.hash.length > 1) {
    calculator.setRoom(acpowerRoomOf(location.hash));
  }
  // A room typed into the address bar wins over one not yet written.
  window.addEventListener("hashchange", () => {
    if (location.hash !== written) {
      clearTimeout(timer);
      timer = 0;
      calculator.setRoom(acpowerRoomOf(location.hash));
    }
  });
  acpowerActions(document.querySelector(".acpower"), calculator, () => location.href, true);
  calculator.focusFirst();
});
