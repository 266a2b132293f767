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
        self.assertRejected("db/cursor.cpp", '#include "search/suchmodell.h"\n', "higher layer")

    def test_neighbour_one_row_up_fails(self):
        # fluid sits directly above dbbuild: the smallest upward step.
        self.assertRejected("dbbuild/dbneu.cpp", '#include "fluid/stoff.h"\n', "higher layer")

    def test_app_include_from_below_fails(self):
        self.assertRejected("search/verdsuche.cpp", '#include "app/programmstart.h"\n',
                            "higher layer")

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
        self.assertRejected("db/CMakeLists.txt",
                            "drel_library(drel_db SOURCES a.cpp LINK drel_calc drel_base)\n",
                            "links drel_calc")

    def test_cli_may_not_link_a_ui_library(self):
        self.assertRejected("cli/CMakeLists.txt",
                            "add_executable(drel-cli main.cpp)\n"
                            "target_link_libraries(drel-cli PRIVATE drel_search drel_chart_ui)\n",
                            "links drel_chart_ui")


class Repository(unittest.TestCase):
    def test_repository_passes(self):
        result = run_check(ROOT)
        self.assertEqual(result.returncode, 0, result.stdout)


if __name__ == "__main__":
    unittest.main()
