// The generators refuse a broken text table, so that the build stops instead of shipping it.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{
struct ToolResult {
    int status;
    std::string errors;
};

class GeneratorFailure : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/textgen-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    // A complete, valid table; `extra` replaces or adds rows.
    std::string table(const std::string& rowsBefore, int skipId = -1) const
    {
        std::string text = rowsBefore;
        const std::string tilde = "|~|~|~|~|~|~|~|~";
        for (int id = 0; id < 1599; ++id) {
            if (id == skipId || rowsBefore.find("\n" + std::to_string(id) + "|") != std::string::npos ||
                rowsBefore.rfind(std::to_string(id) + "|", 0) == 0) {
                continue;
            }
            if (id == 41) {
                text += "41|3|0|1234567890@          &.,+-_()|1234567890@          &.,+-_()" + tilde + "\n";
            } else if (id >= 34 && id <= 43) {
                text += std::to_string(id) + "|3|0|qwertyuiop asdfghjkl  zxcvbnm|qwertyuiop asdfghjkl  zxcvbnm" +
                        tilde + "\n";
            } else if (id == 45 || id == 46) {
                text += std::to_string(id) + "|3|0|1234567890.|1234567890." + tilde + "\n";
            } else {
                text += std::to_string(id) + "|2|0\n";
            }
        }
        return text;
    }

    ToolResult generateTexts(const std::string& content) const
    {
        write(folder + "/texts-a.txt", content);
        return runTool(std::string(TEXTGEN_PATH) + " " + folder + "/out.cpp " + folder + "/chars.txt " + folder +
                   "/texts-a.txt");
    }

    ToolResult runTool(const std::string& command) const
    {
        const std::string errorFile = folder + "/errors.txt";
        const int status = std::system((command + " 2> " + errorFile).c_str());
        std::ifstream in(errorFile);
        std::string errors((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, errors};
    }

    static void write(const std::string& path, const std::string& content)
    {
        std::ofstream out(path, std::ios::binary);
        out << content;
    }

    std::string folder;
};
} // namespace

TEST_F(GeneratorFailure, ValidTableIsAccepted)
{
    const ToolResult result = generateTexts(table("200|2|0|Trinkwasserzirkulationspumpe|Circulation pump" +
                                           std::string("|~|~|~|~|~|~|~|~\n")));
    EXPECT_EQ(result.status, 0) << result.errors;
}

TEST_F(GeneratorFailure, BrokenTablesAreRefused)
{
    struct Case {
        const char* name;
        std::string content;
        const char* message;
    };
    const Case cases[] = {
        {"missing id", table("", 1598), "text id 1598 missing"},
        {"doubled id", table("7|2|0\n7|2|0\n"), "text id 7 doubled"},
        {"font out of range", table("7|8|0\n"), "font '8' is not in 0..7"},
        {"alignment out of range", table("7|2|3\n"), "alignment '3' is not 0, 1 or 2"},
        {"id out of range", table("1599|2|0\n"), "text id '1599' is not in 0..1598"},
        {"wildcard dropped", table("7|2|0|Schritt|Step %s/5|~|~|~|~|~|~|~|~\n"),
         "text 7 de: wildcards differ from the English text"},
        {"wildcards swapped", table("7|2|0|%% %s|%s %%|~|~|~|~|~|~|~|~\n"),
         "text 7 de: wildcards differ from the English text"},
        {"keyboard too long",
         table("43|3|0|qwertzuiopüasdfghjklöäyxcvbnmm|qwertyuiop asdfghjkl  zxcvbnm|~|~|~|~|~|~|~|~\n"),
         "text 43 de: a keyboard layout needs 29 characters, found 30"},
        {"too few languages", table("7|2|0|a|b|c\n"), "expected 3 or 13 fields, found 6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolResult result = generateTexts(c.content);
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.errors.find(c.message), std::string::npos) << result.errors;
    }
}

TEST_F(GeneratorFailure, CharacterMissingFromTheTypefaceIsRefused)
{
    // U+4E00 is not in the typeface; the digit font would have to hold it for text 7.
    const ToolResult texts = generateTexts(table("7|4|0|\xE4\xB8\x80|x|~|~|~|~|~|~|~|~\n"));
    ASSERT_EQ(texts.status, 0) << texts.errors;
    const ToolResult fonts = runTool(std::string(FONTGEN_PATH) + " " + folder + "/fonts.cpp " + FONT_DEFINITIONS + " " +
                          folder + "/chars.txt " + TYPEFACE_DIR);
    EXPECT_EQ(fonts.status, 1);
    EXPECT_NE(fonts.errors.find("font 4 (DejaVuSans.ttf): the typeface lacks U+4E00"), std::string::npos)
        << fonts.errors;
}
