// The buttons under a calculator that take its account along: copied,
// shared or printed. The account is the engine's; the page adds only the
// link that brings the room back and, on paper, the date.

// The room's link, from the calculator's texts rather than the address bar,
// which is written only once typing pauses; "" where the host gave no page.
function acpowerLinkOf(page, room) {
  return page ? page.split("#")[0] + "#" + room.map(acpowerAddressPart).join(";") : "";
}

function acpowerWithLink(account, link) {
  return link ? account + "Ссылка на расчёт: " + link + "\n" : account;
}

async function acpowerCopyText(text, status) {
  try {
    await navigator.clipboard.writeText(text);
    status.textContent = "Скопировано";
  } catch (error) {
    status.textContent = "Браузер не дал скопировать";
  }
}

// The share sheet where the browser has one; else the link, or without a
// link the account, is copied.
async function acpowerShare(account, link, status) {
  if (!navigator.share) {
    await acpowerCopyText(link || account, status);
    return;
  }
  try {
    await navigator.share(link ? { title: ACPOWER_FORM.title, text: account, url: link } : { text: account });
  } catch (error) {
    // Closed by the user, or refused: nothing to say.
  }
}

function acpowerButton(text, action) {
  const button = document.createElement("button");
  button.type = "button";
  button.textContent = text;
  button.addEventListener("click", action);
  return button;
}

// The row of buttons after `anchor`, and, where it prints, the sheet a print
// shows instead of the page.
// `page()` gives the page's own address, or "" for none.
function acpowerActions(anchor, handle, page, printable) {
  const row = document.createElement("div");
  row.className = "acpower-actions";
  const status = document.createElement("span");
  status.className = "acpower-status";
  status.setAttribute("role", "status");
  const link = () => acpowerLinkOf(page(), handle.room());
  row.append(
    acpowerButton("Скопировать расчёт", () => acpowerCopyText(acpowerWithLink(handle.account(), link()), status)),
    acpowerButton("Поделиться", () => acpowerShare(handle.account(), link(), status)),
  );
  if (printable) {
    const sheet = document.createElement("section");
    sheet.className = "acpower-print";
    const brand = Array.from(anchor.querySelectorAll("a[href]"), (half) => half.textContent);
    const fill = () => acpowerFillSheet(sheet, handle.account(), link(), new Date(), brand);
    window.addEventListener("beforeprint", fill);
    row.append(acpowerButton("Распечатать", () => {
      fill();
      window.print();
    }));
    document.body.append(sheet);
  }
  row.append(status);
  anchor.after(row);
}
