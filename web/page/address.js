// The room in the address after "#": the entry boxes' texts and the side's text,
// separated by ";", each percent-encoded but for its commas, so that
// "#25;2,8;3;2;1000;солнечную" reads as it is typed.

function acpowerAddressPart(text) {
  return encodeURIComponent(text).replace(/%2C/g, ",");
}

function acpowerRoomOf(hash) {
  return hash
    .replace(/^#/, "")
    .split(";")
    .map((part) => {
      try {
        return decodeURIComponent(part);
      } catch (error) {
        return part;
      }
    });
}
