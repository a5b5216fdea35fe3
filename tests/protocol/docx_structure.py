"""Second opinion on a saved protocol: reads it with python-docx and checks its structure.

Usage: docx_structure.py PROTOCOL.docx RESULT_ROWS. Prints what is wrong and exits 1, or
prints "ok".
"""
import sys

import docx
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.shared import Pt


def main(path, rows):
    problems = []

    def expect(condition, what):
        if not condition:
            problems.append(what)

    document = docx.Document(path)
    expect(document.paragraphs[0].text == "П Р О Т О К О Л", "title is not the first paragraph")
    expect(document.paragraphs[0].alignment == WD_ALIGN_PARAGRAPH.CENTER, "title not centred")
    expect(all(run.bold for run in document.paragraphs[0].runs), "title not bold")
    tables = document.tables
    expect(len(tables) == 3, f"{len(tables)} tables instead of date, results, signatures")
    if len(tables) == 3:
        date, results, signatures = tables
        expect([len(tr.tc_lst) for tr in date._tbl.tr_lst] == [2], "date line is not 1 x 2")
        expect([len(tr.tc_lst) for tr in signatures._tbl.tr_lst] == [2], "signatures not 1 x 2")

        trs = results._tbl.tr_lst
        counts = [len(tr.tc_lst) for tr in trs]
        expect(counts == [7, 1] + [7] * rows, f"results table rows have {counts[:5]}... cells")
        grid = [col.w.pt for col in results._tbl.tblGrid.gridCol_lst]
        expect(grid == [35, 35, 100, 90, 75, 50, 115], f"grid columns {grid}")
        if len(trs) > 1:
            spanning = trs[1].tc_lst[0]
            expect(spanning.grid_span == 7, f"row 2 spans {spanning.grid_span} columns")
            sentence = results.rows[1].cells[0]
            expect(sentence.text.startswith("Требуемый расход воды"), "row 2 is not the sentence")
            for paragraph in sentence.paragraphs:
                expect(paragraph.alignment == WD_ALIGN_PARAGRAPH.CENTER, "sentence not centred")
                for run in paragraph.runs:
                    expect(run.bold and run.italic, "sentence not bold italic")
                    expect(run.font.name == "Times New Roman", f"sentence in {run.font.name}")
                    expect(run.font.size == Pt(12), f"sentence at {run.font.size}")
        if len(trs) == rows + 2:
            last = results.rows[rows + 1]
            expect(last.cells[0].text == str(rows), f"last row numbered {last.cells[0].text!r}")
    if problems:
        print("\n".join(problems))
        return 1
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2])))
