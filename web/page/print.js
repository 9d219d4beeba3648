// The sheet a print shows in place of the form: the engine's account laid
// out as a title, a table of the inputs and results, the breakdown, then
// the date and the link that brings the room back, as text.

// The account's title, the five inputs, the side and the two results.
const ACPOWER_TABLE_LINES = 9;

function acpowerElement(tag, text, className) {
  const element = document.createElement(tag);
  element.textContent = text;
  if (className) {
    element.className = className;
  }
  return element;
}

// "Площадь, кв. м: 25" as a caption and a value; a line without ": " fills
// its row, as the side's sentence does.
function acpowerTableRow(line, power) {
  const row = document.createElement("tr");
  const parted = line.indexOf(": ");
  if (parted < 0) {
    const cell = acpowerElement("td", line);
    cell.colSpan = 2;
    row.append(cell);
  } else {
    row.append(acpowerElement("th", line.slice(0, parted)), acpowerElement("td", line.slice(parted + 2)));
  }
  if (power) {
    row.className = "acpower-print-power";
  }
  return row;
}

// The brand's halves as the form colours them, in print's darker shades.
function acpowerBrand(halves) {
  const brand = document.createElement("p");
  brand.className = "acpower-print-brand";
  halves.forEach((half, i) => brand.append(i > 0 ? " " : "", acpowerElement("span", half)));
  return brand;
}

function acpowerFillSheet(sheet, account, link, date, brand) {
  const lines = account.replace(/\n$/, "").split("\n");
  const table = document.createElement("table");
  lines.slice(1, ACPOWER_TABLE_LINES).forEach((line, i, all) => table.append(acpowerTableRow(line, i === all.length - 1)));
  const rest = lines.slice(ACPOWER_TABLE_LINES).map((line) => acpowerElement("p", line));
  const stamp = "Дата расчёта: " + date.toLocaleDateString("ru-RU", { day: "2-digit", month: "2-digit", year: "numeric" });
  sheet.replaceChildren(acpowerBrand(brand), acpowerElement("h1", lines[0]), table, ...rest, acpowerElement("p", stamp));
  if (link) {
    // Read back by eye and typed, so the side is shown in its own letters.
    sheet.append(acpowerElement("p", "Ссылка на расчёт: " + decodeURI(link), "acpower-print-link"));
  }
}
