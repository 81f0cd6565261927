#include "batch/hand_record.h"

namespace batch {

// On screen the boards flow in as many columns as fit, each at least 32rem wide, one
// column on a phone. In print each sheet of kBoardsPerPrintedPage boards fills one page:
// at 9 pt, with the high-card points moved into the compass, the diagram beside the grid
// is about 47 mm high and the longest explanation under them (600 characters) about 22 mm,
// so a board takes at most about 78 mm; three of them and the heading fit in the 255 mm
// that US Letter leaves inside 12 mm margins (A4 leaves 273 mm), and a board is never cut.
std::string_view HandRecordStyle() {
  return R"(:root { color-scheme: light; }
* { box-sizing: border-box; }
body { margin: 0; background: #f3f3ef; color: #111;
  font: 16px/1.45 "DejaVu Sans", "Segoe UI", "Helvetica Neue", Arial, sans-serif; }
header, main { max-width: 78rem; margin: 0 auto; padding: 1rem; }
header { padding-bottom: 0; }
h1 { font-size: 1.5rem; margin: 0; }
header p { margin: .25rem 0 0; color: #444; }
header .note { font-size: .85rem; }
main { display: grid; gap: 1rem;
  grid-template-columns: repeat(auto-fill, minmax(min(100%, 32rem), 1fr)); }
.sheet { display: contents; }
.board { background: #fff; border: 1px solid #ccc; border-radius: .5rem; padding: .75rem 1rem;
  display: flex; flex-wrap: wrap; gap: .5rem 1.25rem; align-items: flex-start; }
.board h2 { flex: 1 1 100%; margin: 0; font-size: 1.1rem; }
.meta { font-weight: normal; font-size: .85rem; color: #444; margin-left: .5rem; }
.diagram { flex: 0 0 auto; display: grid; grid-template-columns: repeat(3, auto); gap: .3rem .6rem;
  grid-template-areas: ". north ." "west compass east" ". south ."; align-items: center; }
.hand { white-space: nowrap; line-height: 1.3; }
.who { font-size: .75rem; color: #555; }
.north { grid-area: north; } .south { grid-area: south; }
.east { grid-area: east; } .west { grid-area: west; }
.compass { grid-area: compass; justify-self: center; width: 3.6rem; height: 3.6rem;
  border: 1px solid #888; border-radius: .3rem; display: grid; font-size: .75rem;
  grid-template-areas: ". n ." "w . e" ". s ."; place-items: center; }
.pts { display: none; }
.cn { grid-area: n; } .cs { grid-area: s; } .ce { grid-area: e; } .cw { grid-area: w; }
.compass .vul { color: #fff; background: #c0141c; border-radius: .2rem; padding: 0 .2rem; }
.compass .dealer { font-weight: bold; text-decoration: underline; }
.hand .suit { display: inline-block; width: 1em; text-align: center; }
.red { color: #c0141c; }
.void { color: #666; }
.side { white-space: nowrap; }
table.dd { border-collapse: collapse; font-size: .85rem; }
.dd caption { text-align: left; font-size: .75rem; color: #555; }
.dd th, .dd td { border: 1px solid #bbb; padding: .05rem .45rem; text-align: center; }
.dd thead th { background: #f0f0ea; }
abbr { text-decoration: none; }
.details { flex: 1 1 12rem; }
.details p, .why { margin: .35rem 0 0; }
.par { font-weight: bold; }
.why { flex: 1 1 100%; }
@media (max-width: 30rem) {
  header, main { padding: .5rem; }
  .board { padding: .5rem; justify-content: center; }
}
@media print {
  @page { margin: 12mm; }
  body { background: #fff; font-size: 9pt; line-height: 1.25; }
  header, main { max-width: none; padding: 0; }
  header { margin-bottom: 2mm; }
  h1 { font-size: 12pt; }
  header .note { font-size: 7.5pt; }
  main { display: block; }
  .sheet { display: block; break-after: page; }
  .sheet:last-child { break-after: auto; }
  .board { border: 0; border-top: .3mm solid #999; border-radius: 0; padding: 1.5mm 0 2mm;
    break-inside: avoid; page-break-inside: avoid; gap: 1mm 6mm; }
  .board h2 { font-size: 10.5pt; }
  .diagram { gap: .5mm 2mm; }
  .hand { line-height: 1.15; }
  .who { display: none; }
  .compass { width: 22mm; height: 14mm; font-size: 7.5pt; white-space: nowrap; }
  .pts { display: inline; }
  .dd th, .dd td { padding: 0 1.6mm; }
  .why { font-size: 8.5pt; margin: 0; }
  .compass .vul { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";
}

}  // namespace batch
