"""tools/codesize.py: the C++ function scan and the line counts, on the
constructs that trip a brace matcher."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import codesize  # noqa: E402

SOURCE = r'''#include "a.h"
// A comment with a brace { that opens nothing
namespace Outer {
class Widget : public Base {
    Q_OBJECT
public:
    int inlineOne() const { return 1; }
    Widget(int a) : a_{a}, b_(a)
    {
        auto lambda = [this] { return a_; };
        const char *s = "}{";
        char c = '}';
    }
};

#if SOMETHING
void Widget::slot() {
}
#endif

int Widget::longer(int x)
{
    if (x) {
        return 1;
    }
    struct Local { int v; } local{2};
    return local.v;
}
} // namespace Outer

static const int table[] = {1, 2, 3};

extern "C" {
int exported() { return 0; }
}
'''


class FunctionScan(unittest.TestCase):
    def setUp(self):
        self.found = {name: (line, size) for name, line, size in codesize.cpp_functions(SOURCE)}

    def test_finds_each_function_once_with_its_lines(self):
        self.assertEqual(self.found, {
            "inlineOne": (7, 1),
            "Widget": (8, 6),
            "Widget::slot": (17, 2),
            "Widget::longer": (21, 8),
            "exported": (34, 1),
        })

    def test_initialiser_list_and_lambda_stay_inside_the_constructor(self):
        self.assertNotIn("lambda", self.found)
        self.assertNotIn("a_", self.found)

    def test_initialised_array_is_no_function(self):
        self.assertNotIn("table", self.found)


class LineCounts(unittest.TestCase):
    def test_comments_and_blank_lines_are_not_code(self):
        text = "// only a comment\n\nint a; /* trailing */\n/* block\n   still block */\nint b;\n"
        self.assertEqual(codesize.code_lines("cpp", text), 2)

    def test_strings_that_look_like_comments_are_code(self):
        self.assertEqual(codesize.code_lines("cpp", 'const char *u = "http://x";\n'), 1)

    def test_hash_comments_in_scripts(self):
        self.assertEqual(codesize.code_lines("py", "# note\nx = 1\n\n  # indented note\n"), 1)

    def test_kinds(self):
        self.assertEqual(codesize.kind_of("tools/run", "#!/usr/bin/env bash\n"), "sh")
        self.assertEqual(codesize.kind_of("a/CMakeLists.txt", ""), "cmake")
        self.assertEqual(codesize.kind_of("cmake/Warnings.cmake", ""), "cmake")
        self.assertIsNone(codesize.kind_of("resources/x.png", ""))


if __name__ == "__main__":
    unittest.main()
