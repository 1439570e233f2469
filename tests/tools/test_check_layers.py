#!/usr/bin/env python3
"""The layer check on a tiny project: what it must let pass and what it must name."""

import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
import check_layers  # noqa: E402

TREE = {
    "CMakeLists.txt": "add_subdirectory(low)\nadd_subdirectory(high)\nadd_subdirectory(app)\n",
    "low/CMakeLists.txt": "add_library(low_core STATIC a.h a.cpp)\n",
    "low/a.h": "#pragma once\n",
    "low/a.cpp": '#include "low/a.h"\n',
    "high/CMakeLists.txt": "add_library(high_core STATIC b.h b.cpp)\n"
                           "target_link_libraries(high_core PUBLIC low_core Qt6::Gui)\n"
                           "# the window\n"
                           "add_library(high_forms STATIC w.h w.cpp)\n"
                           "target_link_libraries(high_forms PUBLIC high_core Qt6::Widgets)\n",
    "high/b.h": '#pragma once\n#include "low/a.h"\n',
    "high/b.cpp": '#include "high/b.h"\n',
    "high/w.h": '#pragma once\n#include "high/b.h"\n',
    "high/w.cpp": '#include "high/w.h"\n#include "low/a.h"\n#include "w.moc"\n',
    "app/CMakeLists.txt": "function(programm name)\n  add_executable(${name} ${ARGN})\n"
                          "  target_link_libraries(${name} PRIVATE ${LIBS})\nendfunction()\n"
                          "set(LIBS high_forms)\nprogramm(prog main.cpp)\n",
    "app/main.cpp": '#include "high/w.h"\n#include "app/hilfe.h"\n',
    "app/hilfe.h": "#pragma once\n",
}


class CheckLayersTest(unittest.TestCase):
    ROWS = [
        ("clean project", {}, []),
        ("core includes a header of a core above it", {"low/a.cpp": '#include "low/a.h"\n#include "high/b.h"\n'},
         ["low/a.cpp:2: low_core includes high/b.h of high_core, which it does not link"]),
        ("core includes a window's header", {"low/a.cpp": '#include "high/w.h"\n'},
         ["low/a.cpp:1: low_core includes high/w.h of high_forms, which it does not link, nor may its layer (core)"]),
        ("a form links another form",
         {"app/CMakeLists.txt": TREE["app/CMakeLists.txt"] + "add_library(more_forms STATIC m.cpp)\n"
                                "target_link_libraries(more_forms PRIVATE high_forms)\n",
          "app/m.cpp": '#include "high/w.h"\n'},
         ["app/CMakeLists.txt: more_forms (forms) links high_forms (forms)",
          "app/m.cpp:1: more_forms (forms) includes high/w.h of high_forms, which its layer may not link"]),
        ("a core links widgets",
         {"low/CMakeLists.txt": "add_library(low_core STATIC a.h a.cpp)\ntarget_link_libraries(low_core PRIVATE Qt6::Widgets)\n"},
         ["low/CMakeLists.txt: low_core (core) links Qt6::Widgets, which brings widgets"]),
        ("cores link each other",
         {"low/CMakeLists.txt": "add_library(low_core STATIC a.h a.cpp)\ntarget_link_libraries(low_core PUBLIC high_core)\n"},
         ["high/CMakeLists.txt: high_core, low_core link each other in a circle"]),
        ("a library whose name hides its layer",
         {"low/CMakeLists.txt": "add_library(low STATIC a.h a.cpp)\n",
          "high/CMakeLists.txt": TREE["high/CMakeLists.txt"].replace("low_core", "low")},
         ["low/CMakeLists.txt: low: its name says no layer (*_core or *_forms)",
          "high/CMakeLists.txt: high_core (core) links low (unnamed)",
          "high/b.h:2: high_core (core) includes low/a.h of low, which its layer may not link",
          "high/w.cpp:2: high_forms (forms) includes low/a.h of low, which its layer may not link"]),
        ("a program through a function includes a header it does not link",
         {"app/CMakeLists.txt": TREE["app/CMakeLists.txt"].replace("set(LIBS high_forms)", "set(LIBS low_core)")},
         ["app/main.cpp:1: prog includes high/w.h of high_forms, which it does not link"]),
    ]

    def test_rows(self):
        for name, changes, expected in self.ROWS:
            with self.subTest(name), tempfile.TemporaryDirectory() as root:
                for path, text in {**TREE, **changes}.items():
                    (Path(root) / path).parent.mkdir(parents=True, exist_ok=True)
                    (Path(root) / path).write_text(text, encoding="utf-8")
                self.assertEqual(sorted(check_layers.check(root)), sorted(expected))


if __name__ == "__main__":
    unittest.main()
