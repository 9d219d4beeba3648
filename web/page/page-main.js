// The single page: one calculator, whose room lives in the address after
// "#", as "#25;2,8;3;2;1000;солнечную", so that a link reproduces it.

acpowerLoadEngine(acpowerBytes(ACPOWER_WASM), navigator.language).then((engine) => {
  let written = location.hash;
  let calculator = null;
  const write = () => {
    written = "#" + calculator.room().map(acpowerAddressPart).join(";");
    history.replaceState(history.state, "", written);
  };
  calculator = acpowerMount(document.querySelector(".acpower"), engine, {
    changed: () => calculator && write(),
  });
  if (location.hash.length > 1) {
    calculator.setRoom(acpowerRoomOf(location.hash));
  }
  // A room typed or pasted into the address bar.
  window.addEventListener("hashchange", () => {
    if (location.hash !== written) {
      calculator.setRoom(acpowerRoomOf(location.hash));
    }
  });
  acpowerActions(document.querySelector(".acpower"), calculator, () => location.href, true);
  calculator.focusFirst();
});
