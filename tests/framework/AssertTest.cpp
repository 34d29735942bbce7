#include <gtest/gtest.h>
#include <quillon/Assert.hpp>

TEST(Assert, MessageNamesExpressionPathWithoutExtensionAndLine)
{
    EXPECT_DEATH(QUILLON_ASSERT(1 == 2 && "numbers differ"),
                 "Assertion failed: 1 == 2 && \"numbers differ\", file tests/framework/AssertTest, line [0-9]+");
}

TEST(Assert, SourcePathIsCutAtTheExtensionOnly)
{
    struct Case { const char* file; unsigned capacity; const char* expected; };
    const Case cases[] = {
        {QUILLON_SOURCE_ROOT "framework/source/quillon/containers/Container.cpp", 256,
         "framework/source/quillon/containers/Container"},
        {"../../framework/source/quillon/Assert.cpp", 256, "framework/source/quillon/Assert"}, // from a build folder
        {"elsewhere/dir.d/File", 256, "elsewhere/dir.d/File"}, // a dot in a folder is no extension
        {"a/Long.hpp", 4, "a/L"},                             // cut to capacity, terminated
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        char out[256];
        quillon::sourcePathWithoutExtension(c.file, out, c.capacity);
        EXPECT_STREQ(out, c.expected);
    }
}
