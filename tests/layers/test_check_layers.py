#!/usr/bin/env python3
"""The layer check passes on the repository and fails on each kind of planted offence."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = ROOT / "tools" / "check_layers.py"


def run_check(root):
    return subprocess.run([sys.executable, str(CHECK), str(root)], capture_output=True, text=True)


class PlantedTree(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.root = pathlib.Path(self.tmp.name)

    def tearDown(self):
        self.tmp.cleanup()

    def plant(self, relative, text):
        path = self.root / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")

    def assertRejected(self, relative, text, reason):
        self.plant(relative, text)
        result = run_check(self.root)
        self.assertEqual(result.returncode, 1, result.stdout)
        self.assertIn(relative, result.stdout)
        self.assertIn(reason, result.stdout)

    def assertAccepted(self, relative, text):
        self.plant(relative, text)
        result = run_check(self.root)
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_downward_include_passes(self):
        self.assertAccepted("calc/polynom.cpp", '#include "db/cursor.h"\n#include "fluid/stoff.h"\n')

    def test_same_folder_passes(self):
        self.assertAccepted("db/cursor.cpp", '#include "db/cursor.h"\n')

    def test_upward_include_fails(self):
        self.assertRejected("db/cursor.cpp", '#include "search/suchmodell.h"\n', "may not use")

    def test_neighbour_one_row_up_fails(self):
        # fluid sits directly above dbbuild: the smallest upward step.
        self.assertRejected("dbbuild/dbneu.cpp", '#include "fluid/stoff.h"\n', "may not use")

    def test_app_include_from_below_fails(self):
        self.assertRejected("search/verdsuche.cpp", '#include "app/programmstart.h"\n',
                            "nothing uses app/")

    def test_cli_may_not_include_app(self):
        self.assertRejected("cli/main.cpp", '#include "app/programmstart.h"\n', "nothing uses app/")

    def test_core_may_not_include_ui(self):
        self.assertRejected("search/suchmodell.cpp", '#include "chart/ui/tdchart.h"\n', "ui/")

    def test_core_may_not_include_own_ui(self):
        self.assertRejected("chart/grenztest.cpp", '#include "chart/ui/tdchart.h"\n', "own ui/")

    def test_ui_may_use_lower_ui(self):
        self.assertAccepted("search/ui/frmsuche.cpp", '#include "chart/ui/tdchart.h"\n')

    def test_app_may_use_any_ui(self):
        self.assertAccepted("app/main.cpp", '#include "app/ui/frmmenue.h"\n#include "search/ui/x.h"\n')

    def test_upward_link_fails(self):
        self.plant("calc/CMakeLists.txt", "drel_library(drel_calc SOURCES a.cpp)\n")
        self.assertRejected("db/CMakeLists.txt",
                            "drel_library(drel_db SOURCES a.cpp LINK drel_calc drel_base)\n",
                            "links drel_calc")

    def test_cli_may_not_link_a_ui_library(self):
        self.plant("chart/ui/CMakeLists.txt", "drel_library(drel_chart_ui SOURCES a.cpp)\n")
        self.assertRejected("cli/CMakeLists.txt",
                            "add_executable(drel-cli main.cpp)\n"
                            "target_link_libraries(drel-cli PRIVATE drel_search drel_chart_ui)\n",
                            "links drel_chart_ui")


    # Includes the compiler resolves in other ways than from the root.
    def test_relative_upward_include_fails(self):
        self.assertRejected("db/cursor.cpp", '#include "../search/suchmodell.h"\n', "db may not use search")

    def test_angle_bracket_upward_include_fails(self):
        self.assertRejected("db/cursor.cpp", "#include <search/suchmodell.h>\n", "db may not use search")

    def test_folder_relative_ui_include_fails(self):
        self.assertRejected("sheet/technikmodell.cpp", '#include "ui/frmtechnik.h"\n', "own ui/")

    def test_same_folder_short_include_passes(self):
        self.assertAccepted("sheet/ui/frmtechnik.cpp", '#include "datenblattseiten.h"\n')

    def test_system_headers_pass(self):
        self.assertAccepted("db/cursor.cpp", "#include <QString>\n#include <vector>\n")

    # The pages sit below the sheet document.
    def test_pages_may_not_include_the_sheet(self):
        self.assertRejected("sheet/pages/technDaten.cpp", '#include "sheet/datenblatt.h"\n',
                            "sheet/pages may not use sheet")

    def test_sheet_may_include_its_pages(self):
        self.assertAccepted("sheet/datenblatt.cpp", '#include "sheet/pages/technDaten.h"\n')

    # Folders that sit lower but are no allowed edge.
    def test_sibling_folder_include_fails(self):
        self.assertRejected("fluid/stoff.cpp", '#include "dbbuild/dbneu.h"\n', "fluid may not use dbbuild")

    def test_report_may_not_use_calc(self):
        self.assertRejected("report/bericht.cpp", '#include "calc/einheiten.h"\n', "report may not use calc")

    # Links to every library target, also those not named drel_<folder>.
    def test_link_to_the_pages_from_below_fails(self):
        self.plant("sheet/pages/CMakeLists.txt", "drel_library(drel_sheet_pages SOURCES a.cpp LINK drel_base)\n")
        self.assertRejected("search/CMakeLists.txt",
                            "drel_library(drel_search\n    SOURCES a.cpp\n    LINK drel_sheet_pages drel_base)\n",
                            "links drel_sheet_pages")

    def test_link_to_the_cli_library_from_app_fails(self):
        self.plant("cli/CMakeLists.txt", "add_library(drel_cli_args STATIC argumente.cpp)\n")
        self.assertRejected("app/CMakeLists.txt",
                            "add_executable(drel main.cpp)\n"
                            "target_link_libraries(drel PRIVATE drel_cli_args drel_base)\n",
                            "links drel_cli_args")

    def test_pages_target_may_not_link_search(self):
        self.plant("search/CMakeLists.txt", "drel_library(drel_search SOURCES a.cpp LINK drel_base)\n")
        self.assertRejected("sheet/pages/CMakeLists.txt",
                            "drel_library(drel_sheet_pages SOURCES a.cpp LINK drel_search)\n",
                            "sheet/pages may not use search")


class Repository(unittest.TestCase):
    def test_repository_passes(self):
        result = run_check(ROOT)
        self.assertEqual(result.returncode, 0, result.stdout)


if __name__ == "__main__":
    unittest.main()
