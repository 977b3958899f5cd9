#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "picture/picture_files.h"
#include "picture/picture_loader.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

using nlohmann::ordered_json;

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<ordered_json> JsonLines(const std::string& text) {
    std::vector<ordered_json> objects;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) objects.push_back(ordered_json::parse(line));
    return objects;
}

// A small RGB picture of one colour.
std::string SolidPng(const test::TempDir& dir, const std::string& name, Colour c, int w = 8, int h = 6) {
    test::PngSpec layout;
    layout.width = w;
    layout.height = h;
    for (int i = 0; i < w * h; ++i)
        layout.rows.insert(layout.rows.end(), {static_cast<std::uint8_t>(RedOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
                                           static_cast<std::uint8_t>(BlueOf(c))});
    const std::string path = dir.file(name);
    test::WritePng(path, layout);
    return path;
}

TEST(AnalyseCommand, PrintsOneJsonProfilePerPictureWithTheDocumentedKeysInOrder) {
    test::TempDir dir;
    const std::string black = SolidPng(dir, "black.png", kBlack);
    const CliResult r = RunCli({"analyse", black, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto objects = JsonLines(r.out);
    ASSERT_EQ(objects.size(), 1u);
    const ordered_json& p = objects[0];

    std::vector<std::string> keys;
    for (const auto& item : p.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"path", "width", "height", "red_sum", "green_sum", "blue_sum",
                                              "digit_code", "element", "level", "proficiency", "weapon",
                                              "equipped_kind", "accessory", "items", "base", "affinity",
                                              "weapon_elements", "equip", "effective", "long_reach", "commands",
                                              "sheet0", "sheet1"}));
    EXPECT_EQ(p["path"], black);
    EXPECT_EQ(p["width"], 8);
    EXPECT_EQ(p["red_sum"], 0);
    EXPECT_EQ(p["element"], 8); // all sums 0: 魔
    EXPECT_EQ(p["digit_code"].get<std::string>().size(), 16u);
    EXPECT_EQ(p["proficiency"].size(), 7u);
    EXPECT_EQ(p["affinity"].size(), 9u);
    EXPECT_TRUE(p["sheet0"].get<std::string>().starts_with("魔属性　レベル"));
    EXPECT_EQ(p["effective"]["attack"].get<int>(), p["base"]["attack"].get<int>() + p["equip"]["attack"].get<int>());
}

TEST(AnalyseCommand, TheSamePictureAlwaysGivesTheSameProfile) {
    test::TempDir dir;
    const std::string picture = SolidPng(dir, "teal.png", Rgb(20, 140, 150), 37, 23);
    const CliResult first = RunCli({"analyse", "--json", picture, picture});
    ASSERT_EQ(first.status, 0);
    const auto objects = JsonLines(first.out);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0], objects[1]);
    EXPECT_EQ(RunCli({"analyse", "--json", picture}).out, JsonLines(first.out)[0].dump() + "\n");
}

TEST(AnalyseCommand, HerbOptionDecidesHowManyHerbsAreHandedOut) {
    test::TempDir dir;
    const std::string picture = SolidPng(dir, "white.png", kWhite);
    auto herbs = [&](const std::string& option) {
        const auto p = JsonLines(RunCli({"analyse", picture, "--json", "--herbs", option}).out).at(0);
        int count = 0;
        for (const auto& item : p["items"]) count += item[0] == "薬草";
        return std::pair{count, static_cast<int>(p["items"].size())};
    };
    EXPECT_EQ(herbs("0").first, 0);
    EXPECT_EQ(herbs("1").second, std::max(3, herbs("0").second));
    EXPECT_EQ(herbs("2").second, std::max(4, herbs("0").second));
}

TEST(AnalyseCommand, RefusedAndUnreadablePicturesGiveAnErrorAndAFailingStatus) {
    test::TempDir dir;
    const std::string good = SolidPng(dir, "good.png", kWhite);
    const std::string huge = dir.file("huge.png");
    test::WritePngHeader(huge, 100000, 100000);
    const std::string empty = dir.file("empty.bmp");
    test::WriteBytes(empty, {});

    const CliResult r = RunCli({"analyse", "--json", huge, good, empty, dir.file("missing.jpg"), dir.path().string()});
    EXPECT_EQ(r.status, 1);
    const auto objects = JsonLines(r.out);
    ASSERT_EQ(objects.size(), 5u);
    EXPECT_EQ(objects[0], (ordered_json{{"path", huge}, {"error", "画像が大きすぎます！"}}));
    EXPECT_FALSE(objects[1].contains("error"));
    for (std::size_t i = 2; i < objects.size(); ++i) {
        EXPECT_EQ(objects[i].size(), 2u);
        EXPECT_FALSE(objects[i]["error"].get<std::string>().empty()) << objects[i].dump();
    }
}

TEST(AnalyseCommand, RejectsMalformedCommandLines) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"analyse"}, {"analyse", "x.png", "--herbs", "3"}, {"analyse", "x.png", "--loud"}, {"fly"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
        EXPECT_FALSE(r.err.empty());
    }
}

TEST(AnalyseCommand, SavesTheChartOfThePicture) {
    test::TempDir dir;
    const std::string picture = SolidPng(dir, "fire.png", Rgb(250, 10, 10));
    const std::string chart = dir.file("chart.png");
    ASSERT_EQ(RunCli({"analyse", picture, "--chart", chart}).status, 0);
    const LoadedPicture saved = LoadPicture(chart);
    ASSERT_EQ(saved.status, LoadedPicture::Status::Ok) << saved.error;
    EXPECT_EQ(saved.width, 149);
    EXPECT_EQ(saved.height, 141);
    EXPECT_EQ(saved.image.pixel(0, 0), Rgb(100, 100, 100));
}

} // namespace
} // namespace vk2
