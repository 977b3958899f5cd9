#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/script_command.h"
#include "core/image.h"
#include "picture/png_save.h"
#include "support/test_support.h"

namespace vk2::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunText(const std::string& script, const std::filesystem::path& folder = {}) {
    std::istringstream text(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunScript(text, folder, out, err);
    return {status, out.str(), err.str()};
}

// The printed values without their "slot N " prefixes, to compare two slots' fighters.
std::vector<std::string> Values(const std::string& printed) {
    std::vector<std::string> values;
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) values.push_back(line.substr(line.find(' ', 5) + 1));
    return values;
}

TEST(SplitWordsTest, BlanksQuotesAndComments) {
    struct Case {
        std::string line;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases{
        {"  set 0\ttension 70\r", {"set", "0", "tension", "70"}},
        {"fighter 0 front name=\"赤い 花\" level=3", {"fighter", "0", "front", "name=赤い 花", "level=3"}},
        {"print 0 hp # the rest is a comment", {"print", "0", "hp"}},
        {"fighter 1 back name=\"# not a comment\"", {"fighter", "1", "back", "name=# not a comment"}},
        {"# only a comment", {}},
        {"accessory=\"\"", {"accessory="}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words;
        EXPECT_TRUE(SplitWords(c.line, words)) << c.line;
        EXPECT_EQ(words, c.words) << c.line;
    }
    std::vector<std::string> words;
    EXPECT_FALSE(SplitWords("fighter 0 front name=\"赤い", words));
}

TEST(ScriptTest, ErrorsNameTheLineAndStopTheScript) {
    struct Case {
        std::string script;
        int status;
        std::string error;
    };
    const std::vector<Case> cases{
        {"party 2 2\nbogus 1\nprint game phase\n", 2, "line 2: unknown command bogus"},
        {"print 7 hp\n", 2, "line 1: slot must be 0 to 6, not 7"},
        {"print 6 hp\n", 2, "line 1: hp exists for slots 0 to 5 only"},
        {"set 0 tension 256\n", 2, "line 1: tension must be 0 to 255, not 256"},
        {"set 0 speed fast\n", 2, "line 1: speed must be a whole number, not \"fast\""},
        {"set 0 luck 3\n", 2, "line 1: unknown field luck"},
        {"counter 0 50 1\n", 2, "line 1: counter must be 0 to 49, not 50"},
        {"fighter 0 middle\n", 2, "line 1: row must be front, back or auto, not \"middle\""},
        {"fighter 0 front colour=red\n", 2, "line 1: unknown fighter key colour"},
        {"fighter 0 front digits=12345\n", 2, "line 1: digits must be sixteen digits, not \"12345\""},
        {"fighter 0 front weapon=棒切れ\n", 2, "line 1: unknown weapon 棒切れ"},
        {"random 0.5 1\n", 2, "line 1: a random value must lie in [0, 1), not 1"},
        {"party 2\n", 2, "line 1: usage: party LEFT RIGHT"},
        {"print 0 name \"unclosed\n", 2, "line 1: unterminated quote"},
        {"random 0.5 0.25\nexpect-unused-rolls 0\n", 1, "line 2: 2 random values unused, expected 0"},
        {"fighter 0 front\nselect 0 command 無い技\n", 2, "line 2: no entry 無い技 in the list"},
        {"fighter 0 front\nselect 0 command 99\n", 2, "line 2: entry index must be 0 to 7, not 99"},
        {"key 0 door 13\n", 2, "line 1: no key handler for door"},
        {"tick 0\n", 2, "line 1: ticks must be 1 to 100000, not 0"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunText(c.script);
        EXPECT_EQ(outcome.status, c.status) << c.script;
        EXPECT_EQ(outcome.err, c.error + "\n") << c.script;
    }
    EXPECT_EQ(RunText("party 2 2\nbogus 1\nprint game phase\n").out, "");
}

TEST(ScriptTest, SetAndPrintGoThroughTheGameState) {
    const Outcome outcome = RunText("fighter 0 front r=3000 g=1000 b=500 name=\"赤い 花.改\"\n"
                                    "set 0 tension 80\n"
                                    "counter 0 12 42\n"
                                    "background 10 20 30\n"
                                    "phase 9\n"
                                    "print 0 name tension counter 12 position\n"
                                    "print game background phase\n");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "slot 0 name = 赤い 花.改\n"
                           "slot 0 tension = 80\n"
                           "slot 0 counter 12 = 42\n"
                           "slot 0 position = 1\n"
                           "game background = 10,20,30\n"
                           "game phase = 9\n");
    // The boxes keep to their range: HP up to the maximum, MP not below 0.
    const Outcome boxes = RunText("fighter 0 front\nset 0 hp 999999\nset 0 mp -5\nprint 0 hp maxHp mp\n");
    const std::vector<std::string> values = Values(boxes.out);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].substr(5), values[1].substr(8));
    EXPECT_EQ(values[2], "mp = 0");
}

TEST(ScriptTest, FighterByFieldsMatchesThePictureWithTheSameSums) {
    test::TempDir dir;
    ASSERT_EQ(SavePng(dir.file("赤い花.png"), RgbImage(40, 30, Rgb(200, 30, 10))), "");
    const std::string fields =
        " digits hp mp maxHp attack speed element level weapon accessory items commands\n";
    const Outcome outcome = RunText("party 3 3\n"
                                    "picture 0 front 赤い花.png\n"
                                    "fighter 3 front name=赤い花 r=3200 g=480 b=160 width=40 height=30\n"
                                    "print 0" +
                                        fields + "print 3" + fields + "print 0 name frame\n",
                                    dir.path());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<std::string> values = Values(outcome.out);
    ASSERT_EQ(values.size(), 26u);
    const std::size_t n = 12;
    EXPECT_EQ(std::vector<std::string>(values.begin(), values.begin() + n),
              std::vector<std::string>(values.begin() + n, values.begin() + 2 * n));
    EXPECT_EQ(values[24], "name = 赤い花");
    EXPECT_EQ(values[25].substr(0, 22), "frame = shown border 0");
}

TEST(ScriptTest, APictureThatCannotBeReadStopsTheScript) {
    test::TempDir dir;
    const Outcome outcome = RunText("picture 0 front missing.png\n", dir.path());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err.rfind("line 1: missing.png: ", 0), 0u) << outcome.err;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(ScriptTest, GivenEquipmentReplacesTheStartingOne) {
    const Outcome outcome = RunText("fighter 0 front weapon=虎咬 accessory=アリスのハンカチ\n"
                                    "print 0 weapon accessory equippedKind counter 29\n"
                                    "fighter 1 front weapon=素手 accessory=\"\"\n"
                                    "print 1 weapon accessory\n");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "slot 0 weapon = 虎咬\n"
                           "slot 0 accessory = アリスのハンカチ\n"
                           "slot 0 equippedKind = 2\n"
                           "slot 0 counter 29 = 2\n"
                           "slot 1 weapon = 素手\n"
                           "slot 1 accessory = \n");

    // One marked entry for the weapon, and the picture's commands keep their names.
    const Outcome lists = RunText("fighter 0 front r=1200 g=2600 b=900 weapon=ドラゴンクロー\nprint 0 items\n"
                                  "print 0 commands\n");
    EXPECT_EQ(Occurrences(lists.out, "◆"), 1u) << lists.out;
    EXPECT_EQ(Occurrences(lists.out, "[◆ドラゴンクロー 12]"), 1u) << lists.out;
    EXPECT_EQ(Occurrences(lists.out, "[たたかう 0]"), 1u) << lists.out;
}

TEST(ScriptTest, EnteringBeyondThePartyEnlargesIt) {
    const Outcome outcome = RunText("party 1 1\nfighter 5 back\nprint game party\nprint 5 position\n");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "game party = 1 3\nslot 5 position = 3\n");
}

TEST(ScriptTest, CommandLineRunsAFileAndReportsMisuse) {
    test::TempDir dir;
    ASSERT_EQ(SavePng(dir.file("赤い花.png"), RgbImage(8, 8, Rgb(200, 30, 10))), "");
    {
        std::ofstream file(dir.file("s.vk2s"));
        // A byte-order mark from an editor, and a picture beside the script.
        file << "\xEF\xBB\xBF"
             << "phase 8\nprint game phase\npicture 0 front 赤い花.png\nprint 0 name\n";
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(vk2::cli::Run({"script", dir.file("s.vk2s")}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "game phase = 8\nslot 0 name = 赤い花\n");
    EXPECT_EQ(vk2::cli::Run({"script"}, out, err), 2);
    EXPECT_EQ(vk2::cli::Run({"script", dir.file("none.vk2s")}, out, err), 2);
}

} // namespace
} // namespace vk2::cli
